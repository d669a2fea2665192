// The controls of the format dialog (template 137) that the code names.
#pragma once

enum FormatDialogControlId : int {
    kFmtFormatLabel = 1026,
    kFmtFormatList = 1027,
    kFmtSave = 1036,
    kFmtDelete = 1037,
    kFmtBasicGroup = 5000,
    kFmtCommentLabel = 1028,
    kFmtCommentWords = 1022,
    kFmtCommentInfo = 1024,
    kFmtSeparatorLabel = 1044,
    kFmtSeparatorList = 5005,
    kFmtCodeSeparatorLabel = 1050,
    kFmtCodeSeparators = 1051,
    kFmtDecimalComma = 5003,
    kFmtDecimalsLabel = 1043,
    kFmtDecimals = 1042,
    kFmtCoordLabel = 1029,
    kFmtCoordList = 1030,
    kFmtCoordAid = 5002,
    kFmtFieldsGroup = 5001,
    kFmtOfferLabel = 1031,
    kFmtFieldsLabel = 1032,
    kFmtOfferList = 1033,
    kFmtAddField = 1020,
    kFmtRemoveField = 1021,
    kFmtFieldList = 1023,
    kFmtFieldUp = 1034,
    kFmtFieldDown = 1019,
    kFmtFileGroup = 1035,
    kFmtLineLabel = 1049,
    kFmtEditFile = 1038,
    kFmtPreview = 1025,
};

// The help context of the format dialog.
const int kFormatDialogHelp = 20732;
