#pragma once

#include <string>

namespace qv {

// The band map beside the entry line, as the band selection reaches it.
class BandMapView {
public:
    virtual ~BandMapView() = default;
    virtual bool shown() const = 0;
    virtual void rebuildForBand(const std::string& band) = 0;
};

// Until the band map is built: never shown.
class NoBandMap : public BandMapView {
public:
    bool shown() const override { return false; }
    void rebuildForBand(const std::string&) override {}
};

} // namespace qv
