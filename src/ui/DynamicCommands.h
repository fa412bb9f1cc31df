#pragma once
// Identifiers of the items of the menus built from the catalogue: one per
// group in "Move URL to Group", "Rename Group" and "Delete Group", one per tag
// in "Rename Tag" and "Delete Tag".
//
// The first hundred targets of each kind keep the classic numbering (base +
// group id, base + tag position). Beyond that a base + n would fall into the
// next kind's range, so larger targets get identifiers from a pool of their
// kind, recorded when the menu is built, and each item still reaches its own
// group or tag.
#include <windows.h>

#include <optional>

enum class DynamicCommand { MoveToGroup, RenameGroup, DeleteGroup, RenameTag, DeleteTag };

struct DynamicTarget {
    DynamicCommand kind;
    int target;  // a group id, or a position in the tag list
};

// The identifier for the item; 0 when the kind's pool is full.
UINT DynamicCommandId(DynamicCommand kind, int target);
// Called before a menu of that kind is filled again.
void ForgetDynamicCommands(DynamicCommand kind);
// The target of an identifier, when it is one of these.
std::optional<DynamicTarget> DecodeDynamicCommand(UINT id);
