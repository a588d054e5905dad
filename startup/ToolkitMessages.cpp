// SPDX-License-Identifier: MIT
#include "startup/ToolkitMessages.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "startup/TerminalText.h"

namespace startup {

namespace {

QtMessageHandler shownBy = nullptr;

// Line by line, as the toolkit laid the message out; its tabs are layout, not outside text.
void showLineByLine(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines << QString::fromStdString(
            shownOnOneLine(QString(line).replace(QLatin1Char('\t'), QLatin1Char(' ')).toStdString()));
    shownBy(type, context, lines.join(QLatin1Char('\n')));
}

} // namespace

void showToolkitMessagesSafely()
{
    if (!shownBy)
        shownBy = qInstallMessageHandler(showLineByLine);
}

} // namespace startup
