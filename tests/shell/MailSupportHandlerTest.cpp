// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "shell/MailSupportHandler.h"

#include "platform/linux/XdgEmailSharingService.h"
#include "shell/SystemProfileProvider.h"
#include "support/Files.h"
#include "support/LogCapture.h"
#include "support/WaitFor.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace Qt::Literals::StringLiterals;
using Messages = std::vector<std::string>;

struct CountingProfile : SystemProfileProvider {
    QString systemProfile() const override {
        ++calls;
        return text;
    }
    QString text = u"Software:\n  Kernel: Linux 6.1\n"_s;
    mutable int calls = 0;
};

const QString kReportBody = u"Hi Vantrel,\n\n<type your message here>\n\n\n"
                            "NOTE: The attached report files do NOT contain any personal "
                            "information\n"_s;

// A recording xdg-email first on PATH: it writes its arguments, NUL-separated, beside itself, and
// the mode of each attachment's folder and the attachment.
class MailSupportHandlerTest : public testing::Test {
protected:
    QTemporaryDir bin;
    QTemporaryDir applicationFolder;
    QString record = bin.filePath(u"arguments"_s);
    QByteArray savedPath = qgetenv("PATH");
    CountingProfile profile;

    void SetUp() override {
        const QString script = bin.filePath(u"xdg-email"_s);
        ASSERT_TRUE(writeFile(
            script,
            "#!/bin/sh\nfor a; do [ -f \"$a\" ] && stat -c %a \"${a%/*}\" && cat \"$a\"; "
            "done > \"$0.attached\"\nprintf '%s\\0' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"" +
                record.toUtf8() + "\"\n"));
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", bin.path().toUtf8() + ":" + savedPath);
    }
    void TearDown() override { qputenv("PATH", savedPath); }

    void writeLog() {
        ASSERT_TRUE(
            writeFile(applicationFolder.filePath(u"ampra.log"_s), "2026-01-01 - INFO # started\n"));
    }

    MailSupportHandler handler() {
        return MailSupportHandler(std::make_unique<XdgEmailSharingService>(), profile,
                                  applicationFolder.path(), u"help@example.org"_s);
    }

    QStringList arguments() {
        if (!waitFor([&] { return QFile::exists(record); }))
            return {};
        QStringList result = QString::fromUtf8(readFile(record)).split(QChar(0));
        result.removeLast(); // after the last NUL
        return result;
    }
};

TEST_F(MailSupportHandlerTest, ProblemReportAttachesTheLogThenTheProfile) {
    writeLog();
    handler().sendSupportRequestMail();
    QStringList args = arguments();
    ASSERT_EQ(args.size(), 9) << args.join(u'|').toStdString();
    const QString folder = QFileInfo(args[7]).path(); // of its own, gone once the mail has the file
    EXPECT_TRUE(waitFor([&] { return !QFileInfo::exists(folder); }));
    args[7] = QFileInfo(args[7]).fileName();
    EXPECT_EQ(args, (QStringList{u"--subject"_s, u"[Ampra Support]: <type your subject here>"_s,
                                 u"--body"_s, kReportBody, u"--attach"_s,
                                 applicationFolder.filePath(u"ampra.log"_s), u"--attach"_s,
                                 u"systemProfile.txt"_s, u"help@example.org"_s}));
    EXPECT_EQ(QString::fromUtf8(readFile(bin.filePath(u"xdg-email.attached"_s))),
              u"700\n2026-01-01 - INFO # started\n700\n"_s + profile.text);
}

TEST_F(MailSupportHandlerTest, WhatCannotBeGatheredIsLeftOutAndTheMailStillGoes) {
    const struct {
        const char* name;
        bool log;
        QString profile;
        bool contact;
        int profileCalls;
        std::string error;
    } cases[] = {
        {"no log yet", false, u"profile"_s, false, 0,
         "log file (ampra.log) not a avaliable at path "},
        {"no profile", true, QString(), false, 1, ""},
        {"contact mail", true, u"profile"_s, true, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(record);
        QFile::remove(applicationFolder.filePath(u"ampra.log"_s));
        if (c.log)
            writeLog();
        profile.text = c.profile;
        profile.calls = 0;
        LogCapture log("helpers.mailsupporthandler");
        MailSupportHandler mail = handler();
        c.contact ? mail.sendContactMail() : mail.sendSupportRequestMail();
        const QStringList args = arguments();
        ASSERT_EQ(args.size(), 5) << args.join(u'|').toStdString();
        EXPECT_EQ(args.at(1), c.contact ? u"[Ampra Contact]: <type your subject here>"_s
                                        : u"[Ampra Support]: <type your subject here>"_s);
        EXPECT_EQ(args.at(3),
                  c.contact ? u"Hi Vantrel,\n\n<type your message here>\n\n\n"_s : kReportBody);
        EXPECT_EQ(profile.calls, c.profileCalls);
        const std::string path = applicationFolder.filePath(u"ampra.log"_s).toStdString();
        EXPECT_EQ(log.messages(), c.error.empty() ? Messages() : Messages{c.error + path});
        for (const LogCapture::Line& line : log.lines())
            EXPECT_EQ(line.level, log4cplus::ERROR_LOG_LEVEL);
    }
}

TEST_F(MailSupportHandlerTest, WithoutTheMailProgramLogsThatItCannotPerform) {
    qputenv("PATH", QFile::encodeName(applicationFolder.path()));
    LogCapture log("helpers.mailsupporthandler");
    handler().sendContactMail();
    EXPECT_EQ(log.count("Support services does not allow perform: canPerformWithItems"), 1);
    // Without any mail composer nothing is tried.
    MailSupportHandler(nullptr, profile, applicationFolder.path()).sendSupportRequestMail();
    EXPECT_EQ(log.lines().size(), 2u); // the missing log only
    EXPECT_FALSE(QFile::exists(record));
}

} // namespace
