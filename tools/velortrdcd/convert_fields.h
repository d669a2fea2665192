// The fields of convert's layers: a polygon's header values on the polygons,
// a point's values on the points (names ASCII, texts UTF-8), and in a layer
// that holds both, all of them with "layer" telling the kinds apart.
#pragma once

#include "VelorTrDcd.h"

#include <ogrsf_frmts.h>

#include <string>
#include <vector>

class LayerFields {
public:
    // Creates the fields of the kinds the layer holds; lists: the driver
    // holds string lists (else the codes are joined by '|' and the texts by
    // line ends). False with the reason.
    bool Create(OGRLayer* layer, bool polygons, bool points, bool lists, std::string* error);

    void FillPolygon(OGRFeature& feature, size_t index, const PolygonItem& item) const;
    void FillPoint(OGRFeature& feature, size_t index, const PointRecord& point) const;

private:
    bool mixed_ = false;
    bool lists_ = false;
    int layerField_ = -1;
    std::vector<int> polygonFields_; // the layer's index of each field, in the tables' order
    std::vector<int> pointFields_;
};
