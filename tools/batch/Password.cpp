#include "Password.h"

#include "BatchOptions.h"

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace custos::batch {

namespace {

// The terminal's echo off while the object lives.
class EchoOff
{
public:
    explicit EchoOff(int terminal) : m_terminal(terminal)
    {
        m_saved = tcgetattr(terminal, &m_previous) == 0;
        if (m_saved) {
            termios quiet = m_previous;
            quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            tcsetattr(terminal, TCSAFLUSH, &quiet);
        }
    }
    ~EchoOff()
    {
        if (m_saved)
            tcsetattr(m_terminal, TCSAFLUSH, &m_previous);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    int m_terminal;
    termios m_previous{};
    bool m_saved = false;
};

class Terminal
{
public:
    Terminal() : m_fd(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC)) {}
    ~Terminal()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

void writeAll(int fd, const std::string& text)
{
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

} // namespace

QString readPassword()
{
    if (const char* fromEnvironment = std::getenv("CUSTOS_PASSWORD"))
        return QString::fromLocal8Bit(fromEnvironment);
    const Terminal terminal;
    if (terminal.fd() < 0)
        throw UsageError(QStringLiteral("Senha não informada: defina CUSTOS_PASSWORD ou execute num terminal."));
    writeAll(terminal.fd(), "Senha: ");
    std::string line;
    {
        const EchoOff quiet(terminal.fd());
        char c = 0;
        while (::read(terminal.fd(), &c, 1) == 1 && c != '\n')
            line += c;
    }
    writeAll(terminal.fd(), "\n");
    return QString::fromLocal8Bit(line);
}

} // namespace custos::batch
