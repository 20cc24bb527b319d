// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "ColorConsoleAppender.h"

#include <iostream>
#include <log4cplus/layout.h>
#include <log4cplus/spi/loggingevent.h>
#include <sstream>
#include <unistd.h>

ColorConsoleAppender::ColorConsoleAppender() : _colored(isatty(STDOUT_FILENO) == 1) {}

ColorConsoleAppender::~ColorConsoleAppender() {
    destructorImpl();
}

void ColorConsoleAppender::setColor(log4cplus::LogLevel level, std::string ansiCode) {
    _colors[level] = std::move(ansiCode);
}

void ColorConsoleAppender::close() {
    closed = true;
}

void ColorConsoleAppender::append(const log4cplus::spi::InternalLoggingEvent& event) {
    std::ostringstream line;
    layout->formatAndAppend(line, event);
    const auto color = _colors.find(event.getLogLevel());
    if (_colored && color != _colors.end())
        std::cout << "\033[" << color->second << 'm' << line.str() << "\033[0m";
    else
        std::cout << line.str();
    std::cout.flush();
}
