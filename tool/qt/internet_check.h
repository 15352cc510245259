// Whether the machine is connected to the Internet.
#pragma once

namespace zelvo {

// Qt's network information when a backend loads; otherwise connected when a
// network interface other than loopback is up, running and has an address.
bool IsOnline();

}  // namespace zelvo
