// The main window's WM_COMMAND decoding: which identifiers and notification
// codes are taken, and the group or tag a dynamic range names.
#include <gtest/gtest.h>

#include "app/Commands.h"

TEST(CommandDecoding, IdentifiersAndCodesAreDecodedIntoTheirKinds) {
    struct Case {
        UINT id, code;
        CommandKind kind;
        int argument;
    };
    const Case cases[] = {
        // The filter bar: only the notifications it acts on.
        {2007, EN_CHANGE, CommandKind::FilterBar, 2007},
        {2007, EN_SETFOCUS, CommandKind::Unknown, 0},
        {2063, BN_CLICKED, CommandKind::FilterBar, 2063},
        {2063, BN_DOUBLECLICKED, CommandKind::FilterBar, 2063},
        {2008, CBN_SELCHANGE, CommandKind::FilterBar, 2008},
        {2008, CBN_DROPDOWN, CommandKind::Unknown, 0},
        {2064, CBN_SELCHANGE, CommandKind::FilterBar, 2064},
        // Fixed identifiers, from a menu (0) or an accelerator (1).
        {2003, 0, CommandKind::Fixed, 2003},
        {613, 1, CommandKind::Fixed, 613},
        {2059, 0, CommandKind::Fixed, 2059},
        {40006, 0, CommandKind::Fixed, 40006},
        {2036, 0, CommandKind::Unknown, 0},
        {2043, 0, CommandKind::Unknown, 0},  // the reminder timer's id, not a command
        // The dynamic ranges, at their edges.
        {3000, 0, CommandKind::MoveToGroup, 0},
        {3099, 0, CommandKind::MoveToGroup, 99},
        {3100, 0, CommandKind::RenameGroup, 0},
        {3205, 0, CommandKind::DeleteGroup, 5},
        {3300, 0, CommandKind::RenameTag, 0},
        {3499, 0, CommandKind::DeleteTag, 99},
        {3500, 0, CommandKind::Unknown, 0},
        {2999, 0, CommandKind::Unknown, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " code " << c.code);
        const DecodedCommand decoded = DecodeCommand(c.id, c.code);
        EXPECT_EQ(decoded.kind, c.kind);
        EXPECT_EQ(decoded.argument, c.argument);
    }
}
