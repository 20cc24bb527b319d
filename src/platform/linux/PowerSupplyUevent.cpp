// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "PowerSupplyUevent.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::string_view kPrefix = "POWER_SUPPLY_";
// Far more than any power supply writes; guards against a runaway file in a fixture tree.
constexpr qsizetype kMaximumSize = 64 * 1024;

// Plain system calls: this runs on every reading and QFile's machinery would cost more than
// the read itself.
std::optional<QByteArray> readSmallFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    QByteArray content;
    char buffer[4096];
    // A sysfs attribute is at most a page and comes whole in one read: a shorter read is the
    // end, with no second read to find it.
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            ::close(fd);
            return std::nullopt;
        }
        content.append(buffer, count);
        if (size_t(count) < sizeof buffer || content.size() >= kMaximumSize)
            break;
    }
    ::close(fd);
    return content;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

PowerSupplyUevent::PowerSupplyUevent(QByteArray text) : _text(std::move(text)) {
    std::string_view rest(_text.constData(), size_t(_text.size()));
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const auto equals = line.find('=');
        if (!line.starts_with(kPrefix) || equals == std::string_view::npos)
            continue;
        const std::string_view value = trimmed(line.substr(equals + 1));
        if (!value.empty())
            _values.emplace_back(line.substr(kPrefix.size(), equals - kPrefix.size()), value);
    }
}

std::optional<PowerSupplyUevent> PowerSupplyUevent::read(const QString& deviceFolder) {
    auto text = readSmallFile(deviceFolder + QStringLiteral("/uevent"));
    if (!text)
        return std::nullopt;
    return PowerSupplyUevent(std::move(*text));
}

std::optional<QByteArray> PowerSupplyUevent::attribute(const QString& deviceFolder,
                                                       QLatin1String name) {
    const auto text = readSmallFile(deviceFolder + u'/' + name);
    if (!text)
        return std::nullopt;
    const std::string_view value =
        trimmed(std::string_view(text->constData(), size_t(text->size())));
    return QByteArray(value.data(), qsizetype(value.size()));
}

std::optional<std::string_view> PowerSupplyUevent::value(std::string_view key) const {
    for (const auto& [name, value] : _values)
        if (name == key)
            return value;
    return std::nullopt;
}
