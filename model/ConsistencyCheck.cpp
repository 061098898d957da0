#include "ConsistencyCheck.h"

#include "ChainWalk.h"

#include "Texts.h"

#include <vector>

namespace vormante {

namespace {

std::string N(long long value) {
    return std::to_string(value);
}

// The sentences a chain fault gives, one set per kind of chain so that each reads whole.
struct ChainTexts {
    MarkedText startsOutside, linksOutside, comesBack, reachesOther, wrongHead, brokenBackLink, tailOfEmpty,
        wrongTail, countMismatch;
};

// %1 is a satellite slot; the other numbers are slots or link values of the chain.
const ChainTexts TRANSPONDER_CHAIN_TEXTS{
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the transponder chain starts at slot %2, outside the table."),
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the transponder chain links slot %2 to slot %3, outside the table."),
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the transponder chain comes back to slot %2 after slot %3."),
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the transponder chain reaches slot %2, which is on the "
                  "chain of satellite slot %3 as well."),
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the transponder chain starts at slot %2, whose previous "
                  "link is %3 instead of none."),
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the transponder chain goes from slot %2 to slot %3, whose "
                  "previous link is %4."),
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the transponder chain's tail is %2, but the chain is empty."),
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the transponder chain's tail is %2, but the chain ends at slot %3."),
    VORMANTE_TEXT("ConsistencyCheck", "Satellite slot %1 counts %2 transponders, but its chain holds %3."),
};

const ChainTexts CHANNEL_CHAIN_TEXTS{
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the channel chain starts at slot %2, outside the table."),
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the channel chain links slot %2 to slot %3, outside the table."),
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the channel chain comes back to slot %2 after slot %3."),
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the channel chain reaches slot %2, which is on the chain "
                  "of satellite slot %3 as well."),
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the channel chain starts at slot %2, whose previous link "
                  "is %3 instead of none."),
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the channel chain goes from slot %2 to slot %3, whose "
                  "previous link is %4."),
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the channel chain's tail is %2, but the chain is empty."),
    VORMANTE_TEXT("ConsistencyCheck",
                  "Satellite slot %1: the channel chain's tail is %2, but the chain ends at slot %3."),
    VORMANTE_TEXT("ConsistencyCheck", "Satellite slot %1 counts %2 channels, but its chain holds %3."),
};

class ConsistencyChecker {
public:
    explicit ConsistencyChecker(const ChannelDatabase& db)
        : db_(db), transponderOwner_(TRANSPONDER_SLOTS, -1), channelOwner_(CHANNEL_SLOTS, -1) {}

    std::vector<ConsistencyProblem> Run() {
        int used = 0;
        for (int s = 0; s < SATELLITE_SLOTS; ++s) {
            if (!db_.Satellite(s).isUsed())
                continue;
            ++used;
            CheckTransponderChain(s);
            CheckChannelChain(s);
        }
        CheckUnreachedRecords();
        const unsigned stored = db_.Settings().satelliteCount();
        if (stored != static_cast<unsigned>(used))
            Add(ProblemKind::SatelliteCountMismatch, -1, -1, -1,
                FillIn(
                    Tr("ConsistencyCheck", "The satellite count is %1, but %2 satellite slots are in use."),
                    {N(stored), N(used)}));
        return std::move(problems_);
    }

private:
    void Add(ProblemKind kind, int satellite, int transponder, int channel, std::string message) {
        problems_.push_back(ConsistencyProblem{kind, satellite, transponder, channel, std::move(message)});
    }

    // A chain fault of satellite slot s: the sentence of `text` with s as %1, then `values`.
    void AddChainFault(ProblemKind kind, int s, const MarkedText& text, long long first, long long second = 0,
                       long long third = 0) {
        Add(kind, s, -1, -1, FillIn(TrMarked(text), {N(s), N(first), N(second), N(third)}));
    }

    // Walks satellite s's chain of the kind Links describes, reporting the faults every
    // doubly linked chain can have; `member` checks the member itself.
    template <class Links, class Member>
    void CheckChain(int s, const ChainTexts& texts, std::vector<int>& owner, Member member) {
        const ConstSatelliteRecord sat = db_.Satellite(s);
        const int tail = Links::Last(sat);
        const unsigned storedCount = Links::Count(sat);
        int previous = NO_LINK;
        int current = Links::First(sat);
        unsigned length = 0;
        while (current != NO_LINK) {
            if (!Links::IsSlot(current)) {
                if (previous == NO_LINK)
                    AddChainFault(ProblemKind::LinkOutOfRange, s, texts.startsOutside, current);
                else
                    AddChainFault(ProblemKind::LinkOutOfRange, s, texts.linksOutside, previous, current);
                return;
            }
            int& ownerOfCurrent = owner[static_cast<std::size_t>(current)];
            if (ownerOfCurrent == s) {
                AddChainFault(ProblemKind::ChainCycle, s, texts.comesBack, current, previous);
                return;
            }
            if (ownerOfCurrent != -1) {
                AddChainFault(ProblemKind::SharedRecord, s, texts.reachesOther, current, ownerOfCurrent);
                return;
            }
            ownerOfCurrent = s;
            const int prevLink = Links::Prev(db_, current);
            const int nextLink = Links::Next(db_, current);
            if (prevLink != previous) {
                if (previous == NO_LINK)
                    AddChainFault(ProblemKind::WrongHead, s, texts.wrongHead, current, prevLink);
                else
                    AddChainFault(ProblemKind::BrokenBackLink, s, texts.brokenBackLink, previous, current,
                                  prevLink);
            }
            member(current);
            ++length;
            previous = current;
            current = nextLink;
        }
        if (tail != previous && previous == NO_LINK)
            AddChainFault(ProblemKind::WrongTail, s, texts.tailOfEmpty, tail);
        else if (tail != previous)
            AddChainFault(ProblemKind::WrongTail, s, texts.wrongTail, tail, previous);
        if (length != storedCount)
            AddChainFault(ProblemKind::CountMismatch, s, texts.countMismatch, storedCount, length);
    }

    void CheckTransponderChain(int s) {
        CheckChain<chains::TransponderLinks>(s, TRANSPONDER_CHAIN_TEXTS, transponderOwner_, [&](int t) {
            const ConstTransponderRecord tr = db_.Transponder(t);
            if (!tr.isUsed())
                Add(ProblemKind::FreeRecordOnChain, s, t, -1,
                    FillIn(Tr("ConsistencyCheck",
                              "Satellite slot %1: transponder slot %2 is on the chain but free."),
                           {N(s), N(t)}));
            if (tr.satellite() != static_cast<unsigned>(s))
                Add(ProblemKind::TransponderOfOtherSatellite, s, t, -1,
                    FillIn(Tr("ConsistencyCheck", "Satellite slot %1: transponder slot %2 is on the "
                                                  "chain but names satellite slot %3."),
                           {N(s), N(t), N(tr.satellite())}));
        });
    }

    void CheckChannelChain(int s) {
        const ConstSatelliteRecord sat = db_.Satellite(s);
        const bool numbered = sat.state() == SatelliteRecord::STATE_HAS_CHANNELS;
        unsigned tvCount = 0;
        unsigned radioCount = 0;
        bool any = false;
        CheckChain<chains::ChannelLinks>(s, CHANNEL_CHAIN_TEXTS, channelOwner_, [&](int c) {
            any = true;
            CheckChannel(s, c);
            if (numbered)
                CheckNumbering(s, c, tvCount, radioCount);
        });
        if (any && !numbered)
            Add(ProblemKind::ChannelsWithoutState, s, -1, -1,
                FillIn(Tr("ConsistencyCheck",
                          "Satellite slot %1 holds channels, but its state is %2 instead of 1, "
                          "so they are never renumbered."),
                       {N(s), N(sat.state())}));
    }

    // What renumbering would give: the video PID decides the type, the chain the number.
    void CheckNumbering(int s, int c, unsigned& tvCount, unsigned& radioCount) {
        const ConstChannelRecord ch = db_.Channel(c);
        const bool radio = ch.videoPid() == NULL_PID;
        const unsigned type = radio ? ChannelRecord::SERVICE_RADIO : ChannelRecord::SERVICE_TV;
        const unsigned number = (radio ? ++radioCount : ++tvCount) & 0x1FFF;
        //: %1 satellite slot, %2 channel slot, %3 the stored service type
        const std::string wrongType =
            radio ? Tr("ConsistencyCheck",
                       "Satellite slot %1: channel slot %2 has service type %3, but its video "
                       "PID makes it radio (2).")
                  : Tr("ConsistencyCheck",
                       "Satellite slot %1: channel slot %2 has service type %3, but its video "
                       "PID makes it TV (1).");
        if (ch.serviceType() != type)
            Add(ProblemKind::WrongServiceType, s, -1, c,
                FillIn(wrongType, {N(s), N(c), N(ch.serviceType())}));
        if (ch.channelNumber() == number)
            return;
        //: %1 satellite slot, %2 channel slot, %3 the stored number, %4 the number it should have
        const std::string wrongNumber =
            radio ? Tr("ConsistencyCheck",
                       "Satellite slot %1: channel slot %2 has number %3, but its place among "
                       "the radio channels makes it %4.")
                  : Tr("ConsistencyCheck",
                       "Satellite slot %1: channel slot %2 has number %3, but its place among "
                       "the TV channels makes it %4.");
        Add(ProblemKind::WrongChannelNumber, s, -1, c,
            FillIn(wrongNumber, {N(s), N(c), N(ch.channelNumber()), N(number)}));
    }

    void CheckChannel(int s, int c) {
        const ConstChannelRecord ch = db_.Channel(c);
        if (!ch.isOccupied())
            Add(ProblemKind::FreeRecordOnChain, s, -1, c,
                FillIn(Tr("ConsistencyCheck", "Satellite slot %1: channel slot %2 is on the chain but free."),
                       {N(s), N(c)}));
        const int t = ch.transponder();
        if (!IsTransponderSlot(t)) {
            //: %3 is the stored transponder number, which names no slot
            Add(ProblemKind::ChannelWithoutTransponder, s, -1, c,
                FillIn(Tr("ConsistencyCheck", "Satellite slot %1: channel slot %2 names transponder %3, "
                                              "which is no transponder slot."),
                       {N(s), N(c), N(t)}));
            return;
        }
        const ConstTransponderRecord tr = db_.Transponder(t);
        if (!tr.isUsed())
            Add(ProblemKind::ChannelOnFreeTransponder, s, t, c,
                FillIn(Tr("ConsistencyCheck",
                          "Satellite slot %1: channel slot %2 names transponder slot %3, which is free."),
                       {N(s), N(c), N(t)}));
        else if (tr.satellite() != static_cast<unsigned>(s))
            Add(ProblemKind::ChannelOfOtherSatellite, s, t, c,
                FillIn(
                    Tr("ConsistencyCheck",
                       "Satellite slot %1: channel slot %2 names transponder slot %3 of satellite slot %4."),
                    {N(s), N(c), N(t), N(tr.satellite())}));
    }

    void CheckUnreachedRecords() {
        for (int t = 0; t < TRANSPONDER_SLOTS; ++t) {
            if (db_.Transponder(t).isUsed() && transponderOwner_[static_cast<std::size_t>(t)] == -1)
                Add(ProblemKind::TransponderOnNoChain, -1, t, -1,
                    FillIn(Tr("ConsistencyCheck",
                              "Transponder slot %1 is in use, but no satellite's chain reaches it."),
                           {N(t)}));
        }
        for (int c = 0; c < CHANNEL_SLOTS; ++c) {
            if (db_.Channel(c).state() == ChannelRecord::STATE_IN_USE &&
                channelOwner_[static_cast<std::size_t>(c)] == -1)
                Add(ProblemKind::ChannelOnNoChain, -1, -1, c,
                    FillIn(Tr("ConsistencyCheck",
                              "Channel slot %1 is in use, but no satellite's chain reaches it."),
                           {N(c)}));
        }
    }

    const ChannelDatabase& db_;
    std::vector<int> transponderOwner_; // satellite whose chain reached the slot, -1 none
    std::vector<int> channelOwner_;
    std::vector<ConsistencyProblem> problems_;
};

} // namespace

std::vector<ConsistencyProblem> CheckConsistency(const ChannelDatabase& db) {
    return ConsistencyChecker(db).Run();
}

} // namespace vormante
