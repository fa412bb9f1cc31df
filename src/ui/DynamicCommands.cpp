#include "ui/DynamicCommands.h"

#include <array>
#include <vector>

#include "ui/CommandIds.h"

namespace {

constexpr int kKinds = 5;
// Above every fixed identifier and control id, below the tray's 40001.
constexpr UINT kPoolStart = 10000;
constexpr UINT kPoolSize = 6000;

constexpr std::array<UINT, kKinds> kClassicBase = {IDM_MOVE_TO_GROUP_BASE, IDM_RENAME_GROUP_BASE,
                                                   IDM_DELETE_GROUP_BASE, IDM_RENAME_TAG_BASE,
                                                   IDM_DELETE_TAG_BASE};

// The targets handed pool identifiers, per kind, in the order handed out.
std::array<std::vector<int>, kKinds> g_pools;

int Index(DynamicCommand kind) { return static_cast<int>(kind); }
UINT PoolBase(int kind) { return kPoolStart + kPoolSize * static_cast<UINT>(kind); }

}  // namespace

UINT DynamicCommandId(DynamicCommand kind, int target) {
    const int k = Index(kind);
    if (target >= 0 && static_cast<UINT>(target) < kCommandRangeWidth) return kClassicBase[k] + target;
    std::vector<int>& pool = g_pools[k];
    if (pool.size() >= kPoolSize) return 0;
    pool.push_back(target);
    return PoolBase(k) + static_cast<UINT>(pool.size() - 1);
}

void ForgetDynamicCommands(DynamicCommand kind) { g_pools[Index(kind)].clear(); }

std::optional<DynamicTarget> DecodeDynamicCommand(UINT id) {
    for (int k = 0; k < kKinds; ++k) {
        const auto kind = static_cast<DynamicCommand>(k);
        if (id >= kClassicBase[k] && id < kClassicBase[k] + kCommandRangeWidth)
            return DynamicTarget{kind, static_cast<int>(id - kClassicBase[k])};
        if (id >= PoolBase(k) && id < PoolBase(k) + g_pools[k].size())
            return DynamicTarget{kind, g_pools[k][id - PoolBase(k)]};
    }
    return std::nullopt;
}
