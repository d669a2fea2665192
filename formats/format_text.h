// The text form of a point-file format, e.g. "Y X cmt(; $ ! *)".
#pragma once

#include "VelorTrDcdFormat.h"

#include <cstdint>

// Reads text into model, which is reset first (the host members are kept).
// Returns 0 when the whole text was read, 1 on an error; *stopOffset (if
// given) receives the offset where reading stopped: the text's length on
// success, the error position on failure. What was read before an error
// stays in the model.
int32_t ParseFormatText(PointFormat& model, const char* text, uint32_t* stopOffset);

// The normal text form of model: fields, then " sep(...)", " decc",
// " dec=n", " sys=n" and " cmt(...)". An empty comment-word list prints as
// " cmt()", so that it reads back as no comment words rather than as the
// standard ones; emptyComments false leaves it out (the form of a file that
// names no format).
CString PrintFormatText(const PointFormat& model, bool emptyComments = true);

// Gives model the standard comment words ";", "$", "!" and "*", leaving out
// each that is one of its field-separator or text-code-separator
// characters: a comment word there would cut the line where a value ends.
void SetStandardCommentWords(PointFormat& model);
