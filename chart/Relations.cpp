// Finding the relations among the pillars with the pair rules of Theory.h.
#include "Relations.h"

#include <algorithm>

namespace chart {
namespace {

bool Contains(const std::array<int, 3>& members, int branch) {
    return std::find(members.begin(), members.end(), branch) != members.end();
}

// The positions holding a member of the group, or empty when a member is missing.
std::vector<int> GroupPillars(const BranchGroup& g, const std::array<int, 4>& branches) {
    std::vector<int> pillars;
    for (int m : g.members) {
        bool found = false;
        for (int p = 0; p < 4; ++p) found = found || branches[p] == m;
        if (!found) return {};
    }
    for (int p = 0; p < 4; ++p)
        if (Contains(g.members, branches[p])) pillars.push_back(p);
    return pillars;
}

std::string GroupText(const BranchGroup& g) {
    std::string s;
    for (int m : g.members) s += BranchName(m);
    return s;
}

// The group of `groups` that holds both branches, if any.
template <std::size_t N>
const BranchGroup* GroupOf(const std::array<BranchGroup, N>& groups, int a, int b) {
    for (const BranchGroup& g : groups)
        if (Contains(g.members, a) && Contains(g.members, b)) return &g;
    return nullptr;
}

bool IsComplete(const BranchGroup* g, const std::vector<const BranchGroup*>& complete) {
    return g && std::find(complete.begin(), complete.end(), g) != complete.end();
}

}  // namespace

std::string_view RelationKindName(RelationKind kind) {
    switch (kind) {
        case RelationKind::StemCombine:
            return "天干五合";
        case RelationKind::StemClash:
            return "天干相冲";
        case RelationKind::Combine:
            return "六合";
        case RelationKind::Trine:
            return "三合";
        case RelationKind::HalfTrine:
            return "半合";
        case RelationKind::ArchTrine:
            return "拱合";
        case RelationKind::Direction:
            return "三会";
        case RelationKind::HalfDirection:
            return "半会";
        case RelationKind::Clash:
            return "六冲";
        case RelationKind::Punish:
            return "相刑";
        case RelationKind::SelfPunish:
            return "自刑";
        case RelationKind::TriplePunish:
            return "三刑";
        case RelationKind::Harm:
            return "六害";
        case RelationKind::Break:
            return "相破";
    }
    return "";
}

std::string_view PillarKey(int position) {
    constexpr std::string_view kKeys[] = {"year", "month", "day", "hour"};
    return position >= 0 && position < 4 ? kKeys[position] : std::string_view{};
}

std::vector<ChartRelation> FindRelations(const std::array<int, 4>& stems,
                                         const std::array<int, 4>& branches) {
    std::vector<ChartRelation> out;
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j) {
            const std::string pair = std::string(StemName(stems[i])) + std::string(StemName(stems[j]));
            if (StemsCombine(stems[i], stems[j]))
                out.push_back(
                    {RelationKind::StemCombine, pair, {i, j}, true, StemCombineElement(stems[i], stems[j])});
            if (StemsClash(stems[i], stems[j])) out.push_back({RelationKind::StemClash, pair, {i, j}});
        }
    }

    // Groups of three present in full.
    std::vector<const BranchGroup*> complete;
    auto addGroups = [&](const auto& groups, RelationKind kind, bool hasElement) {
        for (const BranchGroup& g : groups) {
            std::vector<int> pillars = GroupPillars(g, branches);
            if (pillars.empty()) continue;
            complete.push_back(&g);
            out.push_back({kind, GroupText(g), std::move(pillars), hasElement, g.element});
        }
    };
    addGroups(Trines(), RelationKind::Trine, true);
    addGroups(Directions(), RelationKind::Direction, true);
    addGroups(TriplePunishments(), RelationKind::TriplePunish, false);

    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j) {
            const int a = branches[i], b = branches[j];
            const std::string pair = std::string(BranchName(a)) + std::string(BranchName(b));
            for (const Relation& r : RelationsOf(a, b)) {
                ChartRelation c{RelationKind::Combine, pair, {i, j}};
                switch (r.link) {
                    case BranchLink::Repeat:
                        continue;
                    case BranchLink::SelfPunish:
                        c.kind = RelationKind::SelfPunish;
                        break;
                    case BranchLink::Combine:
                        c.kind = RelationKind::Combine;
                        c.hasElement = true;
                        c.element = r.element;
                        break;
                    case BranchLink::Clash:
                        c.kind = RelationKind::Clash;
                        break;
                    case BranchLink::HalfTrine:
                    case BranchLink::ArchTrine:
                        if (IsComplete(GroupOf(Trines(), a, b), complete)) continue;
                        c.kind = r.link == BranchLink::HalfTrine ? RelationKind::HalfTrine
                                                                 : RelationKind::ArchTrine;
                        c.hasElement = true;
                        c.element = r.element;
                        break;
                    case BranchLink::HalfDirection:
                        if (IsComplete(GroupOf(Directions(), a, b), complete)) continue;
                        c.kind = RelationKind::HalfDirection;
                        c.hasElement = true;
                        c.element = r.element;
                        break;
                    case BranchLink::Punish:
                        if (IsComplete(GroupOf(TriplePunishments(), a, b), complete)) continue;
                        c.kind = RelationKind::Punish;
                        break;
                    case BranchLink::Harm:
                        c.kind = RelationKind::Harm;
                        break;
                    case BranchLink::Break:
                        c.kind = RelationKind::Break;
                        break;
                }
                out.push_back(std::move(c));
            }
        }
    }
    return out;
}

}  // namespace chart
