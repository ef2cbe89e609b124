// The previewer's command line: its options and the connection record they give.
#pragma once

#include <QCommandLineParser>

#include "device_params.h"

namespace command_line {

// Adds the help and version options, then the previewer's own, in the order --help lists them.
void addOptions(QCommandLineParser& parser);

// The connection record from parsed options. An address that is not IPv4 gives a null ip:
// the SDK keeps at most 15 characters of an address, so a cut IPv6 text could reach
// another host.
DeviceParams deviceParams(const QCommandLineParser& parser);

}  // namespace command_line
