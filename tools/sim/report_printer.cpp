#include "tools/sim/report_printer.hpp"

#include <string>

namespace sim {

DeviceLink::Tap MakeReportPrinter(std::FILE* out) {
    return [out](ReportDirection direction, const DeviceReport& report) {
        std::string line = FormatReportLine(direction, report);
        line += '\n';
        std::fputs(line.c_str(), out);
        std::fflush(out);
    };
}

}  // namespace sim
