#pragma once

// Kind codes of the EDID tree items. The code is also the item's QTreeWidgetItem type. Unrelated
// classes share codes (every DI-EXT item is 1104, rows and groups share 1107, ...), so a code
// never names a class: code that needs a class finds it with dynamic_cast.
namespace VyrEdidItemKind {
enum : int {
    DisplayIdBlock = -1, // DisplayID base and extension section items
    Plain = 0,           // plain QTreeWidgetItem label rows
    Root = 1100,
    BaseBlock = 1101,
    CeaExtension = 1103,
    DiExtension = 1104,
    Header = 1106,
    GeneralInfo = 1107,
    BasicParams = 1108,
    ColorChars = 1109,
    EstablishedTimings = 1110,
    StandardTimings = 1111,
    Descriptors = 1112,
    DummyDescriptor = 1113,
    DetailedTiming = 1114,
    RangeLimits = 1115,
    ColorPoint = 1116,
    StringDescriptor = 1118,
    DisplayIdRow = 1119, // rows below a DisplayID block item (VyrDIDTreeWidgetItem)
    Cvt3Byte = 1120,
    VtbExtension = 1121,
    UnknownExtension = 1122, // an extension block no block class reads
};
} // namespace VyrEdidItemKind

// The four columns of the EDID tree.
namespace VyrEdidColumn {
enum : int {
    Property = 0, // the row's label
    Value = 1,    // the value, or its editor
    Type = 2,     // the format tag ("[DEC]", "[HEX]", ...)
    Action = 3,   // an add or remove button
    Count = 4
};
} // namespace VyrEdidColumn
