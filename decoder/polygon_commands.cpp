// The point-file reader's polygon bookkeeping: new polygons, their texts,
// placing points, and unknown commands.
#include "decoder/polygon_reader.h"

#include "decoder/decode_reports.h"

#include <utility>

// The current polygon gets its texts: the pending ones when it has any,
// else those of the last polygon that had some.
void PolygonReader::CloseItem()
{
    // Room reserved for more points than came (see NewPolygon) is given
    // back when over half of it went unused: no polygon holds more than
    // twice its points, as with growth alone.
    std::vector<PointRecord>& points = Current().points;
    if (points.capacity() / 2 > points.size())
        points.shrink_to_fit();
    if (!pending_.empty()) {
        carried_.swap(pending_);
        pending_.clear();
    }
    Current().texts = carried_;
}

// ".np": a polygon that has points is closed and the next one begins; the
// header goes into the current polygon.
void PolygonReader::NewPolygon()
{
    if (!Current().points.empty()) {
        const size_t previous = Current().points.size();
        CloseItem();
        items_.emplace_back();
        current_ = items_.size() - 1;
        defaultPolygonPoints_ = true;
        // The polygons of a file tend to be alike: room for as many points
        // as the last one had, so that a polygon like it never regrows.
        Current().points.reserve(previous);
    }
    pointIndex_ = 0;
    PolygonHeaderValues& v = d_.headerValues_;
    v.header.hasStP = v.stPCount != 0;
    v.header.hasStation = 0;
    npStationGiven_ = v.stationCount != 0;
    PolygonItem& item = Current();
    CopyPolygonHeader(v.header, item);
    // The stationing belongs to the polygon whose ".np" line gives it.
    item.station = npStationGiven_ ? v.header.station : 0.0;
}

// ".tn": the text behind the command word, without blanks at either end.
void PolygonReader::AddText()
{
    const char* begin = SkipBlanks(text_.text, 0) + 3; // behind ".tn"
    begin = SkipBlanks(begin, 0);
    pending_.emplace_back(begin, static_cast<int>(TrimmedEnd(begin) - begin));
}

bool PolygonReader::PlacePoint(Placement placement, uint32_t* result)
{
    PolygonItem& item = Current();
    const bool firstPoint = item.points.empty();
    const PolygonHeaderValues& v = d_.headerValues_;
    if (firstPoint && !item.hasStation) {
        item.station = npStationGiven_ ? v.header.station : v.spValue;
        item.hasStation = v.stationCount != 0;
    }
    uint8_t noBreak = 0;
    if (d_.ppCount != 0) {
        noBreak = d_.ppFlag ? 0 : 1;
        if (firstPoint) {
            defaultPolygonPoints_ = noBreak != 0;
            if (noBreak) {
                *result = Report(kReadNotPolygonPoint, kTextFirstPointPolygon, SkipBlanks(text_.text, 0));
                return false;
            }
        }
    } else if (placement != Placement::kPlain) {
        noBreak = placement == Placement::kInserted ? 1 : 0;
    } else {
        noBreak = defaultPolygonPoints_ ? 0 : 1;
    }
    d_.record.noBreak = noBreak;
    // The record is cleared before the next line: its texts move over.
    item.points.push_back(std::move(d_.record));
    const size_t last = item.points.size() - 1;
    if (placement == Placement::kInserted && last >= 1)
        std::swap(item.points[last], item.points[last - 1]);
    ++pointIndex_;
    return true;
}

bool PolygonReader::UnknownCommand(uint32_t* result)
{
    if (answer_ != kAnswerNoWarnings) {
        answer_ = ReportUnknownCommand(path_, d_.lineNumber, text_.text);
        if (answer_ == kAnswerCancelReading) {
            file_.Close();
            *result = kReadStopped;
            return false;
        }
    }
    d_.lastError = 0;
    return true;
}
