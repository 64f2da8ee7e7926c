#include "rig/BandPlan.h"

#include "base/ItemSyntax.h"

#include <cmath>

namespace qv {
namespace {

constexpr std::size_t kValuesPerRecord = 5;

enum class Ending { Whole, Unreadable, Stopped };

// An edge in MHz: a number that also fits single precision.
std::optional<float> edgeOf(const Item& item) {
    const std::optional<double> value = itemNumber(item);
    if (!value) {
        return std::nullopt;
    }
    const auto edge = static_cast<float>(*value);
    if (!std::isfinite(edge)) {
        return std::nullopt;
    }
    return edge;
}

std::optional<BandPlanRow> recordOf(std::vector<Item>& values) {
    const std::optional<float> lower = edgeOf(values[3]);
    const std::optional<float> upper = edgeOf(values[4]);
    if (!lower || !upper) {
        return std::nullopt;
    }
    return BandPlanRow{std::move(values[0].text), std::move(values[1].text),
                       std::move(values[2].text), *lower, *upper};
}

// Reads the values in file order, whether a comma or a line break separates them:
// the first is the effective text, then each complete record goes to take, which
// returns false to stop reading. A fault ends reading as Unreadable, after the
// records before it have been taken.
template <typename Take>
Ending readValues(std::string_view text, std::string* effective, Take take) {
    ItemReader reader(text);
    std::vector<Item> line;
    std::vector<Item> values;
    values.reserve(kValuesPerRecord);
    bool effectiveRead = false;
    for (;;) {
        const ItemReader::Result result = reader.nextLine(line);
        if (result == ItemReader::Result::Error) {
            return Ending::Unreadable;
        }
        if (result == ItemReader::Result::End) {
            return effectiveRead && values.empty() ? Ending::Whole : Ending::Unreadable;
        }
        for (Item& item : line) {
            if (!effectiveRead) {
                if (effective) {
                    *effective = std::move(item.text);
                }
                effectiveRead = true;
                continue;
            }
            values.push_back(std::move(item));
            if (values.size() < kValuesPerRecord) {
                continue;
            }
            std::optional<BandPlanRow> row = recordOf(values);
            values.clear();
            if (!row) {
                return Ending::Unreadable;
            }
            if (!take(std::move(*row))) {
                return Ending::Stopped;
            }
        }
    }
}

} // namespace

BandPlanParse parseBandPlan(std::string_view text) {
    BandPlan plan;
    bool tooMany = false;
    const Ending ending = readValues(text, &plan.effective, [&](BandPlanRow&& row) {
        if (plan.rows.size() == BandPlan::kMaxRows) {
            tooMany = true;
            return false;
        }
        plan.rows.push_back(std::move(row));
        return true;
    });
    if (tooMany) {
        return {std::nullopt, BandPlanError::TooManyRows};
    }
    if (ending != Ending::Whole) {
        return {std::nullopt, BandPlanError::Unreadable};
    }
    return {std::move(plan), BandPlanError::Unreadable};
}

std::vector<BandPlanRow> extraClassRows(std::string_view text) {
    std::vector<BandPlanRow> rows;
    // Reading stops once the table is full; a fault keeps the rows read before it.
    (void)readValues(text, nullptr, [&](BandPlanRow&& row) {
        if (row.licenceClass == "E") {
            rows.push_back(std::move(row));
        }
        return rows.size() < BandPlan::kMaxRows;
    });
    return rows;
}

} // namespace qv
