// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <log4cplus/appender.h>
#include <log4cplus/loglevel.h>
#include <map>
#include <string>

// Writes to standard output, each level in its own colour when the output is a terminal.
class ColorConsoleAppender : public log4cplus::Appender {
public:
    ColorConsoleAppender();
    ~ColorConsoleAppender() override;

    void setColor(log4cplus::LogLevel level, std::string ansiCode);
    void close() override;

protected:
    void append(const log4cplus::spi::InternalLoggingEvent& event) override;

private:
    bool _colored;
    std::map<log4cplus::LogLevel, std::string> _colors;
};
