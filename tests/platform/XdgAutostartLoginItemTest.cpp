// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ampra developers

#include "platform/linux/XdgAutostartLoginItem.h"

#include "support/Files.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

using namespace Qt::Literals::StringLiterals;

QString validation(const QString& path) {
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(QStringLiteral(DESKTOP_FILE_VALIDATE), {path});
    validate.waitForFinished();
    return validate.exitCode() == 0 ? QString() : QString::fromUtf8(validate.readAll()) + u"!"_s;
}

TEST(XdgAutostartLoginItemTest, EntryAppearsValidStartsTheProgramAndDisappears) {
    const struct {
        QString program, exec;
    } cases[] = {
        {u"/usr/bin/ampra"_s, u"/usr/bin/ampra"_s},
        {u"/opt/My Apps/ampra"_s, uR"("/opt/My Apps/ampra")"_s},
        {u"/opt/100%/$HOME\\ampra"_s, uR"("/opt/100%%/\$HOME\\ampra")"_s},
    };
    const QString path = XdgAutostartLoginItem::filePath();
    EXPECT_TRUE(path.endsWith(u"/xdg_config_home/autostart/com.vantrel.Ampra.desktop"_s));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program.toStdString());
        XdgAutostartLoginItem item(c.program);
        ASSERT_TRUE(item.setLoginItemEnabled(true));
        const QString entry = QString::fromUtf8(readFile(path));
        // In the file every backslash of the Exec value is doubled once more.
        EXPECT_TRUE(
            entry.contains(u"\nExec="_s + QString(c.exec).replace(u"\\"_s, u"\\\\"_s) + u'\n'))
            << entry.toStdString();
        EXPECT_EQ(validation(path), QString());
        ASSERT_TRUE(item.setLoginItemEnabled(false));
        EXPECT_FALSE(QFile::exists(path));
    }
    EXPECT_TRUE(XdgAutostartLoginItem(u"/usr/bin/ampra"_s).setLoginItemEnabled(false));
}

} // namespace
