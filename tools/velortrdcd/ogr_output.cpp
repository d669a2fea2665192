// The datasets and layers convert writes.
#include "tools/velortrdcd/ogr_output.h"

#include <cpl_string.h>


namespace {

// Features of one transaction: large enough that a GeoPackage of a million
// points commits a few times only.
const size_t kTransactionSize = 100000;

OGRwkbGeometryType LayerType(OGRwkbGeometryType type, bool hasZ)
{
    return hasZ && type != wkbUnknown ? wkbSetZ(type) : type;
}

std::string Failure(const GdalMessages& messages)
{
    return messages.lastFailure().empty() ? std::string("GDAL gives no reason") : messages.lastFailure();
}

} // namespace

OgrOutput::OgrOutput(GDALDriver* driver, const DriverTraits& traits, const GdalMessages& messages,
                     const OGRSpatialReference* srs, bool hasZ)
    : driver_(driver), traits_(traits), messages_(messages), srs_(srs), hasZ_(hasZ)
{
    if (traits_.configKey)
        CPLSetThreadLocalConfigOption(traits_.configKey, traits_.configValue);
}

OgrOutput::~OgrOutput()
{
    if (traits_.configKey)
        CPLSetThreadLocalConfigOption(traits_.configKey, nullptr);
    for (File& file : files_)
        if (file.dataset)
            GDALClose(file.dataset);
}

bool OgrOutput::OpenFile(const std::string& path, size_t* index, std::string* error)
{
    for (size_t i = 0; i < files_.size(); ++i)
        if (files_[i].path == path) {
            *index = i;
            return true;
        }
    File file;
    file.path = path;
    file.dataset = driver_->Create(path.c_str(), 0, 0, 0, GDT_Unknown, nullptr);
    if (!file.dataset) {
        *error = "cannot create " + path + ": " + Failure(messages_);
        return false;
    }
    file.transactions = file.dataset->TestCapability(ODsCTransactions) != 0;
    if (file.transactions && file.dataset->StartTransaction() != OGRERR_NONE) {
        GDALClose(file.dataset);
        *error = "cannot begin writing " + path + ": " + Failure(messages_);
        return false;
    }
    files_.push_back(file);
    *index = files_.size() - 1;
    return true;
}

bool OgrOutput::OpenLayer(const Sink& sink, Layer* created, std::string* error)
{
    Layer& layer = *created;
    if (!OpenFile(sink.path, &layer.file, error))
        return false;
    CPLStringList options;
    if (traits_.layerOption)
        options.AddString(traits_.layerOption);
    GDALDataset* dataset = files_[layer.file].dataset;
    layer.layer = dataset->CreateLayer(sink.layer.c_str(), const_cast<OGRSpatialReference*>(srs_),
                                       LayerType(sink.geometry, hasZ_), options.List());
    if (!layer.layer) {
        *error = "cannot create layer " + sink.layer + " in " + sink.path + ": " + Failure(messages_);
        return false;
    }
    // A DXF layer has fields of its own (Layer, Text); it takes no others.
    return traits_.dxf || layer.fields.Create(layer.layer, sink.polygons, sink.points, traits_.lists, error);
}

bool OgrOutput::Open(const std::vector<Sink>& sinks, bool points, std::string* error)
{
    layers_.resize(sinks.size());
    for (size_t i = 0; i < sinks.size(); ++i)
        if ((points ? sinks[i].points : sinks[i].polygons) && !layers_[i].layer &&
            !OpenLayer(sinks[i], &layers_[i], error))
            return false;
    return true;
}

bool OgrOutput::Commit(File& file, bool again, std::string* error)
{
    if (!file.transactions)
        return true;
    if (file.dataset->CommitTransaction() != OGRERR_NONE) {
        *error = "cannot write " + file.path + ": " + Failure(messages_);
        return false;
    }
    file.pending = 0;
    if (again && file.dataset->StartTransaction() != OGRERR_NONE) {
        *error = "cannot go on writing " + file.path + ": " + Failure(messages_);
        return false;
    }
    return true;
}

bool OgrOutput::Write(size_t sink, OGRFeature& feature, std::string* error)
{
    Layer& layer = layers_[sink];
    if (layer.layer->CreateFeature(&feature) != OGRERR_NONE) {
        *error = std::string("cannot write a feature to layer ") + layer.layer->GetName() + " of " +
                 files_[layer.file].path + ": " + Failure(messages_);
        return false;
    }
    ++layer.written;
    File& file = files_[layer.file];
    return ++file.pending < kTransactionSize || Commit(file, true, error);
}

bool OgrOutput::Close(std::string* error)
{
    bool ok = true;
    for (File& file : files_) {
        if (!file.dataset)
            continue;
        std::string failure;
        const bool committed = Commit(file, false, &failure);
        const int before = messages_.failures();
        GDALClose(file.dataset);
        file.dataset = nullptr;
        if (committed && messages_.failures() != before)
            failure = "cannot finish " + file.path + ": " + Failure(messages_);
        if (!failure.empty() && ok) {
            *error = failure;
            ok = false;
        }
    }
    return ok;
}
