#include "ConsistencyCheck.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace vormante {

namespace {

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
                "The satellite count is %u, but %d satellite slots are in use.", stored, used);
        return std::move(problems_);
    }

private:
    // One formatted sentence per problem; images with thousands of problems stay quick to check.
    [[gnu::format(printf, 6, 7)]] void Add(ProblemKind kind, int satellite, int transponder, int channel,
                                           const char* format, ...) {
        char text[256];
        va_list arguments;
        va_start(arguments, format);
        std::vsnprintf(text, sizeof text, format, arguments);
        va_end(arguments);
        problems_.push_back(ConsistencyProblem{kind, satellite, transponder, channel, text});
    }

    struct ChainSpec {
        const char* what; // "transponder" or "channel"
        int slots;        // table size
        int head, tail;
        unsigned storedCount;
    };

    // Walks one chain, reporting the faults every doubly linked chain can have. `links`
    // gives a member's previous and next link; `member` checks the member itself.
    template <class Links, class Member>
    void CheckChain(int s, const ChainSpec& chain, std::vector<int>& owner, Links links, Member member) {
        int previous = NO_LINK;
        int current = chain.head;
        unsigned length = 0;
        while (current != NO_LINK) {
            if (current < 0 || current >= chain.slots) {
                if (previous == NO_LINK)
                    Add(ProblemKind::LinkOutOfRange, s, -1, -1,
                        "Satellite slot %d: the %s chain starts at slot %d, outside the table.", s,
                        chain.what, current);
                else
                    Add(ProblemKind::LinkOutOfRange, s, -1, -1,
                        "Satellite slot %d: the %s chain links slot %d to slot %d, outside the table.", s,
                        chain.what, previous, current);
                return;
            }
            int& ownerOfCurrent = owner[static_cast<std::size_t>(current)];
            if (ownerOfCurrent == s) {
                Add(ProblemKind::ChainCycle, s, -1, -1,
                    "Satellite slot %d: the %s chain comes back to slot %d after slot %d.", s, chain.what,
                    current, previous);
                return;
            }
            if (ownerOfCurrent != -1) {
                Add(ProblemKind::SharedRecord, s, -1, -1,
                    "Satellite slot %d: the %s chain reaches slot %d, which is on the chain of satellite "
                    "slot %d as well.",
                    s, chain.what, current, ownerOfCurrent);
                return;
            }
            ownerOfCurrent = s;
            const auto [prevLink, nextLink] = links(current);
            if (prevLink != previous) {
                if (previous == NO_LINK)
                    Add(ProblemKind::WrongHead, s, -1, -1,
                        "Satellite slot %d: the %s chain starts at slot %d, whose previous link is %d "
                        "instead of none.",
                        s, chain.what, current, prevLink);
                else
                    Add(ProblemKind::BrokenBackLink, s, -1, -1,
                        "Satellite slot %d: the %s chain goes from slot %d to slot %d, whose previous link "
                        "is %d.",
                        s, chain.what, previous, current, prevLink);
            }
            member(current);
            ++length;
            previous = current;
            current = nextLink;
        }
        if (chain.tail != previous && previous == NO_LINK)
            Add(ProblemKind::WrongTail, s, -1, -1,
                "Satellite slot %d: the %s chain's tail is %d, but the chain is empty.", s, chain.what,
                chain.tail);
        else if (chain.tail != previous)
            Add(ProblemKind::WrongTail, s, -1, -1,
                "Satellite slot %d: the %s chain's tail is %d, but the chain ends at slot %d.", s, chain.what,
                chain.tail, previous);
        if (length != chain.storedCount)
            Add(ProblemKind::CountMismatch, s, -1, -1,
                "Satellite slot %d counts %u %ss, but its chain holds %u.", s, chain.storedCount, chain.what,
                length);
    }

    void CheckTransponderChain(int s) {
        const ConstSatelliteRecord sat = db_.Satellite(s);
        const ChainSpec chain{"transponder", TRANSPONDER_SLOTS, sat.firstTransponder(), sat.lastTransponder(),
                              sat.transponderCount()};
        CheckChain(
            s, chain, transponderOwner_,
            [&](int t) {
                const ConstTransponderRecord tr = db_.Transponder(t);
                return std::pair{tr.prevTransponder(), tr.nextTransponder()};
            },
            [&](int t) {
                const ConstTransponderRecord tr = db_.Transponder(t);
                if (!tr.isUsed())
                    Add(ProblemKind::FreeRecordOnChain, s, t, -1,
                        "Satellite slot %d: transponder slot %d is on the chain but free.", s, t);
                if (tr.satellite() != static_cast<unsigned>(s))
                    Add(ProblemKind::TransponderOfOtherSatellite, s, t, -1,
                        "Satellite slot %d: transponder slot %d is on the chain but names satellite slot %u.",
                        s, t, tr.satellite());
            });
    }

    void CheckChannelChain(int s) {
        const ConstSatelliteRecord sat = db_.Satellite(s);
        const bool numbered = sat.state() == SatelliteRecord::STATE_HAS_CHANNELS;
        unsigned tvCount = 0;
        unsigned radioCount = 0;
        bool any = false;
        const ChainSpec chain{"channel", CHANNEL_SLOTS, sat.firstChannel(), sat.lastChannel(),
                              sat.channelCount()};
        CheckChain(
            s, chain, channelOwner_,
            [&](int c) {
                const ConstChannelRecord ch = db_.Channel(c);
                return std::pair{ch.prevChannel(), ch.nextChannel()};
            },
            [&](int c) {
                any = true;
                CheckChannel(s, c);
                if (!numbered)
                    return;
                // What renumbering would give: the video PID decides the type, the chain the number.
                const ConstChannelRecord ch = db_.Channel(c);
                const bool radio = ch.videoPid() == NULL_PID;
                const unsigned type = radio ? ChannelRecord::SERVICE_RADIO : ChannelRecord::SERVICE_TV;
                const unsigned number = (radio ? ++radioCount : ++tvCount) & 0x1FFF;
                if (ch.serviceType() != type)
                    Add(ProblemKind::WrongServiceType, s, -1, c,
                        "Satellite slot %d: channel slot %d has service type %u, but its video PID makes it "
                        "%s.",
                        s, c, ch.serviceType(), radio ? "radio (2)" : "TV (1)");
                if (ch.channelNumber() != number)
                    Add(ProblemKind::WrongChannelNumber, s, -1, c,
                        "Satellite slot %d: channel slot %d has number %u, but its place among the %s "
                        "channels makes it %u.",
                        s, c, ch.channelNumber(), radio ? "radio" : "TV", number);
            });
        if (any && !numbered)
            Add(ProblemKind::ChannelsWithoutState, s, -1, -1,
                "Satellite slot %d holds channels, but its state is %u instead of 1, so they are never "
                "renumbered.",
                s, sat.state());
    }

    void CheckChannel(int s, int c) {
        const ConstChannelRecord ch = db_.Channel(c);
        if (!ch.isOccupied())
            Add(ProblemKind::FreeRecordOnChain, s, -1, c,
                "Satellite slot %d: channel slot %d is on the chain but free.", s, c);
        const int t = ch.transponder();
        if (!IsTransponderSlot(t)) {
            Add(ProblemKind::ChannelWithoutTransponder, s, -1, c,
                "Satellite slot %d: channel slot %d names transponder %d, which is no transponder slot.", s,
                c, t);
            return;
        }
        const ConstTransponderRecord tr = db_.Transponder(t);
        if (!tr.isUsed())
            Add(ProblemKind::ChannelOnFreeTransponder, s, t, c,
                "Satellite slot %d: channel slot %d names transponder slot %d, which is free.", s, c, t);
        else if (tr.satellite() != static_cast<unsigned>(s))
            Add(ProblemKind::ChannelOfOtherSatellite, s, t, c,
                "Satellite slot %d: channel slot %d names transponder slot %d of satellite slot %u.", s, c, t,
                tr.satellite());
    }

    void CheckUnreachedRecords() {
        for (int t = 0; t < TRANSPONDER_SLOTS; ++t) {
            if (db_.Transponder(t).isUsed() && transponderOwner_[static_cast<std::size_t>(t)] == -1)
                Add(ProblemKind::TransponderOnNoChain, -1, t, -1,
                    "Transponder slot %d is in use, but no satellite's chain reaches it.", t);
        }
        for (int c = 0; c < CHANNEL_SLOTS; ++c) {
            if (db_.Channel(c).state() == ChannelRecord::STATE_IN_USE &&
                channelOwner_[static_cast<std::size_t>(c)] == -1)
                Add(ProblemKind::ChannelOnNoChain, -1, -1, c,
                    "Channel slot %d is in use, but no satellite's chain reaches it.", c);
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
