#include "server/PseudoTerminal.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace ctsim {

namespace {

QString systemError(const char* what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

PseudoTerminal::~PseudoTerminal() {
    if (m_master >= 0)
        ::close(m_master);
}

bool PseudoTerminal::open(QString* error) {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0) {
        *error = systemError("posix_openpt");
        return false;
    }
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        *error = systemError("grantpt/unlockpt");
        return false;
    }
    const char* name = ::ptsname(m_master);
    if (!name) {
        *error = systemError("ptsname");
        return false;
    }
    m_slavePath = QString::fromLocal8Bit(name);

    // The line settings belong to the slave end and stay with it while the master is open.
    const int slave = ::open(name, O_RDWR | O_NOCTTY);
    if (slave < 0) {
        *error = systemError("open slave");
        return false;
    }
    termios settings{};
    bool configured = ::tcgetattr(slave, &settings) == 0;
    if (configured) {
        ::cfmakeraw(&settings);
        settings.c_cflag |= CLOCAL | CREAD;
        ::cfsetispeed(&settings, B9600);
        ::cfsetospeed(&settings, B9600);
        configured = ::tcsetattr(slave, TCSANOW, &settings) == 0;
    }
    if (!configured)
        *error = systemError("configure slave");
    ::close(slave);
    if (!configured)
        return false;

    const int flags = ::fcntl(m_master, F_GETFL);
    if (flags < 0 || ::fcntl(m_master, F_SETFL, flags | O_NONBLOCK) != 0) {
        *error = systemError("fcntl");
        return false;
    }
    return true;
}

bool PseudoTerminal::slaveOpen() const {
    pollfd probe{m_master, POLLIN, 0};
    return ::poll(&probe, 1, 0) >= 0 && !(probe.revents & POLLHUP);
}

} // namespace ctsim
