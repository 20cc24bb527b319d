// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#pragma once

#include <algorithm>
#include <log4cplus/appender.h>
#include <log4cplus/logger.h>
#include <log4cplus/spi/loggingevent.h>
#include <memory>
#include <string>
#include <vector>

// Collects the lines a logger and its children write while the capture lives.
class LogCapture {
public:
    struct Line {
        log4cplus::LogLevel level;
        std::string message;
    };

    explicit LogCapture(const std::string& loggerName)
        : _logger(log4cplus::Logger::getInstance(loggerName))
        , _appender(new Collector(_lines)) {
        _logger.addAppender(_appender);
    }
    ~LogCapture() { _logger.removeAppender(_appender); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const std::vector<Line>& lines() const { return *_lines; }
    std::vector<std::string> messages() const {
        std::vector<std::string> result;
        for (const Line& line : *_lines)
            result.push_back(line.message);
        return result;
    }
    long count(const std::string& message) const { return std::ranges::count(messages(), message); }
    void clear() { _lines->clear(); }

private:
    using Lines = std::shared_ptr<std::vector<Line>>;

    class Collector : public log4cplus::Appender {
    public:
        explicit Collector(Lines lines) : _lines(std::move(lines)) {}
        ~Collector() override { destructorImpl(); }
        void close() override { closed = true; }

    protected:
        void append(const log4cplus::spi::InternalLoggingEvent& event) override {
            _lines->push_back({event.getLogLevel(), event.getMessage()});
        }

    private:
        Lines _lines;
    };

    Lines _lines = std::make_shared<std::vector<Line>>();
    log4cplus::Logger _logger;
    log4cplus::SharedAppenderPtr _appender;
};
