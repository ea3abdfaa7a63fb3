// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace tavrin {

// Every AT-SPI call whose arguments Qt 6.4's bridge reads, by interface
// (after "org.a11y.atspi.") and member as the bridge names it: a property set
// through org.freedesktop.DBus.Properties is member "Set" and the property's
// name, and takes what the bridge reads of it however it is called. The
// bridge reads them by position without looking, so a call must carry exactly
// this signature. A call with a reason for `refused` is one nothing here can
// carry out, though the bridge would answer it as done.
struct AtSpiCall
{
    std::string_view interface, member, signature, refused = {};
};

// A month's days are children of their own group, not of the table, so a
// cell is found by its row and column, never by a child's index.
inline constexpr std::string_view kCellsByRow = "a month's cells are found by row and column, not by index";

inline constexpr AtSpiCall kAtSpiCalls[] = {
    {"Accessible", "GetChildAtIndex", "i"},
    {"Application", "SetId", "ssv"},
    {"Component", "Contains", "iiu"},
    {"Component", "GetAccessibleAtPoint", "iiu"},
    {"Component", "GetExtents", "u"},
    {"Component", "GetPosition", "u"},
    {"Action", "DoAction", "i"},
    {"Action", "GetName", "i"},
    {"Action", "GetDescription", "i"},
    {"Action", "GetKeyBinding", "i"},
    {"Text", "AddSelection", "ii"},
    {"Text", "GetAttributeRun", "ib"},
    {"Text", "GetAttributeValue", "is"},
    {"Text", "GetAttributes", "i"},
    {"Text", "GetBoundedRanges", "iiiiuuu", "Qt 6.4's bridge answers no text for any area"},
    {"Text", "GetCharacterAtOffset", "i"},
    {"Text", "GetCharacterExtents", "iu"},
    {"Text", "GetOffsetAtPoint", "iiu"},
    {"Text", "GetRangeExtents", "iiu"},
    {"Text", "GetSelection", "i"},
    {"Text", "GetText", "ii"},
    {"Text", "GetTextAfterOffset", "iu"},
    {"Text", "GetTextAtOffset", "iu"},
    {"Text", "GetTextBeforeOffset", "iu"},
    {"Text", "RemoveSelection", "i", "no text here can be selected"},
    {"Text", "SetCaretOffset", "i", "no text here has a caret"},
    {"Text", "SetSelection", "iii", "no text here can be selected"},
    {"EditableText", "CopyText", "ii"},
    {"EditableText", "CutText", "ii"},
    {"EditableText", "DeleteText", "ii"},
    {"EditableText", "InsertText", "isi"},
    {"EditableText", "PasteText", "i"},
    {"EditableText", "SetTextContents", "s"},
    {"Value", "SetCurrentValue", "ssv"},
    {"Table", "GetAccessibleAt", "ii"},
    {"Table", "GetIndexAt", "ii", kCellsByRow},
    {"Table", "GetColumnAtIndex", "i", kCellsByRow},
    {"Table", "GetRowAtIndex", "i", kCellsByRow},
    {"Table", "GetColumnDescription", "i"},
    {"Table", "GetRowDescription", "i"},
    {"Table", "GetRowColumnExtentsAtIndex", "i", kCellsByRow},
    {"Table", "GetColumnExtentAt", "ii"},
    {"Table", "GetRowExtentAt", "ii"},
    {"Table", "GetColumnHeader", "i"},
    {"Table", "GetRowHeader", "i"},
    {"Table", "IsColumnSelected", "i"},
    {"Table", "IsRowSelected", "i"},
    {"Table", "IsSelected", "ii"},
    {"Table", "AddColumnSelection", "i"},
    {"Table", "AddRowSelection", "i"},
    {"Table", "RemoveColumnSelection", "i"},
    {"Table", "RemoveRowSelection", "i"},
};

} // namespace tavrin
