// Point records and polygons in the tool's output forms.
#pragma once

#include "VelorTrDcd.h"
#include "tools/velortrdcd/json_out.h"

#include <string>

// The record as a JSON object with the member names of PointRecord.
void WriteRecordJson(JsonWriter& json, const PointRecord& record);

// The polygon as {"header":{...},"texts":[...],"points":[...]}.
void WriteItemJson(JsonWriter& json, const PolygonItem& item);

// The CSV header row and one row per point of the item (UTF-8, LF ends).
std::string CsvHeader();
std::string CsvRows(size_t itemIndex, const PolygonItem& item);

// A readable block for the polygon (UTF-8).
std::string TextBlock(size_t itemIndex, const PolygonItem& item);
