#include "ConsistencyCheck.h"

#include <vector>

namespace vormante {

namespace {

std::string SatelliteText(int s) { return "Satellite slot " + std::to_string(s); }

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
        if (stored != static_cast<unsigned>(used)) {
            Add(ProblemKind::SatelliteCountMismatch, -1, -1, -1,
                "The satellite count is " + std::to_string(stored) + ", but " + std::to_string(used) +
                    " satellite slots are in use.");
        }
        return std::move(problems_);
    }

private:
    void Add(ProblemKind kind, int satellite, int transponder, int channel, std::string message) {
        problems_.push_back(ConsistencyProblem{kind, satellite, transponder, channel, std::move(message)});
    }

    // Walks one chain, reporting the faults every doubly linked chain can have. The
    // table-specific checks of each member go through `member`.
    template <class Links, class Member>
    void CheckChain(int s, const char* what, int slots, int head, int tail, unsigned storedCount,
                    std::vector<int>& owner, Links links, Member member) {
        const std::string where = SatelliteText(s) + ": the " + what + " chain";
        int previous = NO_LINK;
        int current = head;
        unsigned length = 0;
        bool intact = true;
        while (current != NO_LINK) {
            if (current < 0 || current >= slots) {
                Add(ProblemKind::LinkOutOfRange, s, -1, -1,
                    where + (previous == NO_LINK ? std::string(" starts at slot ")
                                                  : " links slot " + std::to_string(previous) + " to slot ") +
                        std::to_string(current) + ", outside the table.");
                intact = false;
                break;
            }
            int& ownerOfCurrent = owner[static_cast<std::size_t>(current)];
            if (ownerOfCurrent == s) {
                Add(ProblemKind::ChainCycle, s, -1, -1,
                    where + " comes back to slot " + std::to_string(current) + " after slot " +
                        std::to_string(previous) + ".");
                intact = false;
                break;
            }
            if (ownerOfCurrent != -1) {
                Add(ProblemKind::SharedRecord, s, -1, -1,
                    where + " reaches slot " + std::to_string(current) + ", which is on the chain of " +
                        SatelliteText(ownerOfCurrent) + " as well.");
                intact = false;
                break;
            }
            ownerOfCurrent = s;
            const auto [prevLink, nextLink] = links(current);
            if (prevLink != previous) {
                if (previous == NO_LINK)
                    Add(ProblemKind::WrongHead, s, -1, -1,
                        where + " starts at slot " + std::to_string(current) + ", whose previous link is " +
                            std::to_string(prevLink) + " instead of none.");
                else
                    Add(ProblemKind::BrokenBackLink, s, -1, -1,
                        where + " goes from slot " + std::to_string(previous) + " to slot " + std::to_string(current) +
                            ", whose previous link is " + std::to_string(prevLink) + ".");
            }
            member(current);
            ++length;
            previous = current;
            current = nextLink;
        }
        if (!intact)
            return;
        if (tail != previous) {
            Add(ProblemKind::WrongTail, s, -1, -1,
                where + "'s tail is " + std::to_string(tail) + ", but the chain ends at " +
                    (previous == NO_LINK ? std::string("none") : "slot " + std::to_string(previous)) + ".");
        }
        if (length != storedCount) {
            Add(ProblemKind::CountMismatch, s, -1, -1,
                SatelliteText(s) + " counts " + std::to_string(storedCount) + " " + what + "s, but its chain holds " +
                    std::to_string(length) + ".");
        }
    }

    void CheckTransponderChain(int s) {
        const SatelliteRecord sat = db_.Satellite(s);
        CheckChain(
            s, "transponder", TRANSPONDER_SLOTS, sat.firstTransponder(), sat.lastTransponder(), sat.transponderCount(),
            transponderOwner_,
            [&](int t) {
                const TransponderRecord tr = db_.Transponder(t);
                return std::pair{tr.prevTransponder(), tr.nextTransponder()};
            },
            [&](int t) {
                const TransponderRecord tr = db_.Transponder(t);
                if (!tr.isUsed())
                    Add(ProblemKind::FreeRecordOnChain, s, t, -1,
                        SatelliteText(s) + ": transponder slot " + std::to_string(t) + " is on the chain but free.");
                if (tr.satellite() != static_cast<unsigned>(s))
                    Add(ProblemKind::TransponderOfOtherSatellite, s, t, -1,
                        SatelliteText(s) + ": transponder slot " + std::to_string(t) + " is on the chain but names " +
                            "satellite slot " + std::to_string(tr.satellite()) + ".");
            });
    }

    void CheckChannelChain(int s) {
        const SatelliteRecord sat = db_.Satellite(s);
        const bool numbered = sat.state() == SatelliteRecord::STATE_HAS_CHANNELS;
        unsigned tvCount = 0;
        unsigned radioCount = 0;
        bool any = false;
        CheckChain(
            s, "channel", CHANNEL_SLOTS, sat.firstChannel(), sat.lastChannel(), sat.channelCount(), channelOwner_,
            [&](int c) {
                const ChannelRecord ch = db_.Channel(c);
                return std::pair{ch.prevChannel(), ch.nextChannel()};
            },
            [&](int c) {
                any = true;
                CheckChannel(s, c);
                if (!numbered)
                    return;
                const ChannelRecord ch = db_.Channel(c);
                const bool radio = ch.videoPid() == NULL_PID;
                const unsigned type = radio ? ChannelRecord::SERVICE_RADIO : ChannelRecord::SERVICE_TV;
                const unsigned number = (radio ? ++radioCount : ++tvCount) & 0x1FFF;
                const std::string channel = SatelliteText(s) + ": channel slot " + std::to_string(c);
                if (ch.serviceType() != type)
                    Add(ProblemKind::WrongServiceType, s, -1, c,
                        channel + " has service type " + std::to_string(ch.serviceType()) + ", but its video PID makes it " +
                            (radio ? "radio (2)." : "TV (1)."));
                if (ch.channelNumber() != number)
                    Add(ProblemKind::WrongChannelNumber, s, -1, c,
                        channel + " has number " + std::to_string(ch.channelNumber()) + ", but its place among the " +
                            (radio ? "radio" : "TV") + " channels makes it " + std::to_string(number) + ".");
            });
        if (any && !numbered)
            Add(ProblemKind::ChannelsWithoutState, s, -1, -1,
                SatelliteText(s) + " holds channels, but its state is " + std::to_string(sat.state()) +
                    " instead of 1, so they are never renumbered.");
    }

    void CheckChannel(int s, int c) {
        const ChannelRecord ch = db_.Channel(c);
        const std::string channel = SatelliteText(s) + ": channel slot " + std::to_string(c);
        if (!ch.isOccupied())
            Add(ProblemKind::FreeRecordOnChain, s, -1, c, channel + " is on the chain but free.");
        const int t = ch.transponder();
        if (!IsTransponderSlot(t)) {
            Add(ProblemKind::ChannelWithoutTransponder, s, -1, c,
                channel + " names transponder " + std::to_string(t) + ", which is no transponder slot.");
            return;
        }
        const TransponderRecord tr = db_.Transponder(t);
        if (!tr.isUsed())
            Add(ProblemKind::ChannelOnFreeTransponder, s, t, c,
                channel + " names transponder slot " + std::to_string(t) + ", which is free.");
        else if (tr.satellite() != static_cast<unsigned>(s))
            Add(ProblemKind::ChannelOfOtherSatellite, s, t, c,
                channel + " names transponder slot " + std::to_string(t) + " of satellite slot " +
                    std::to_string(tr.satellite()) + ".");
    }

    void CheckUnreachedRecords() {
        for (int t = 0; t < TRANSPONDER_SLOTS; ++t) {
            if (db_.Transponder(t).isUsed() && transponderOwner_[static_cast<std::size_t>(t)] == -1)
                Add(ProblemKind::TransponderOnNoChain, -1, t, -1,
                    "Transponder slot " + std::to_string(t) + " is in use, but no satellite's chain reaches it.");
        }
        for (int c = 0; c < CHANNEL_SLOTS; ++c) {
            if (db_.Channel(c).state() == ChannelRecord::STATE_IN_USE && channelOwner_[static_cast<std::size_t>(c)] == -1)
                Add(ProblemKind::ChannelOnNoChain, -1, -1, c,
                    "Channel slot " + std::to_string(c) + " is in use, but no satellite's chain reaches it.");
        }
    }

    const ChannelDatabase& db_;
    std::vector<int> transponderOwner_; // satellite whose chain reached the slot, -1 none
    std::vector<int> channelOwner_;
    std::vector<ConsistencyProblem> problems_;
};

} // namespace

std::vector<ConsistencyProblem> CheckConsistency(const ChannelDatabase& db) { return ConsistencyChecker(db).Run(); }

} // namespace vormante
