#pragma once
// The date and time the report's page header shows.
#include <functional>
#include <string>

namespace rp {

// In the system's short date and time formats.
struct ReportDateTime {
    std::string date;
    std::string time;
};
using ReportClock = std::function<ReportDateTime()>;

}  // namespace rp
