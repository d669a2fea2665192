// The datasets and layers convert writes: created for the sinks of a plan,
// written in transactions of many features where the driver has them, and
// closed with every failure reported.
#pragma once

#include "tools/velortrdcd/convert_drivers.h"
#include "tools/velortrdcd/convert_fields.h"
#include "tools/velortrdcd/convert_plan.h"
#include "tools/velortrdcd/gdal_errors.h"

#include <gdal_priv.h>

#include <string>
#include <vector>

class OgrOutput {
public:
    // Layers in srs (null: none), in 3D with hasZ.
    OgrOutput(GDALDriver* driver, const DriverTraits& traits, const GdalMessages& messages,
              const OGRSpatialReference* srs, bool hasZ);
    ~OgrOutput(); // closes what is still open
    OgrOutput(const OgrOutput&) = delete;
    OgrOutput& operator=(const OgrOutput&) = delete;

    // Creates the layers with their fields, and their files, of the sinks
    // that hold points (points true) or polygons and are not open yet: some
    // drivers (KML) take a layer's features only until the next layer is
    // made.
    bool Open(const std::vector<Sink>& sinks, bool points, std::string* error);

    const LayerFields& Fields(size_t sink) const { return layers_[sink].fields; }
    OGRFeatureDefn* Definition(size_t sink) const { return layers_[sink].layer->GetLayerDefn(); }

    bool Write(size_t sink, OGRFeature& feature, std::string* error);

    // Commits and closes every dataset; false when any of it failed.
    bool Close(std::string* error);

    size_t Written(size_t sink) const { return layers_[sink].written; }

private:
    struct File {
        std::string path;
        GDALDataset* dataset = nullptr;
        bool transactions = false;
        size_t pending = 0; // features since the transaction began
    };
    struct Layer {
        size_t file = 0;
        OGRLayer* layer = nullptr;
        LayerFields fields;
        size_t written = 0;
    };

    bool OpenFile(const std::string& path, size_t* file, std::string* error);
    bool OpenLayer(const Sink& sink, Layer* layer, std::string* error);
    bool Commit(File& file, bool again, std::string* error);

    GDALDriver* driver_;
    const DriverTraits& traits_;
    const GdalMessages& messages_;
    const OGRSpatialReference* srs_;
    bool hasZ_;
    std::vector<File> files_;
    std::vector<Layer> layers_;
};
