#include "tools/manuals/CatalogueChapters.h"

#include <QStringList>
#include <array>
#include <cmath>

#include "core/SettingTexts.h"

namespace qd::qt {

namespace {

QString Esc(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

int Decimals(float step) {
    const long rounded = std::lround(step);
    if (rounded == 10) return 1;
    if (rounded == 100) return 2;
    if (rounded == 1000) return 3;
    return 0;
}

// Hexadecimal values are written with as many digits as the keypad gives the
// field, so "40" reads as it does on the display.
int HexDigits(float maximum) {
    if (maximum >= 4096) return 4;
    if (maximum >= 256) return 3;
    if (maximum >= 16) return 2;
    return 1;
}

QString Value(const ParameterEntry& e, float v) {
    if (e.displayMode == 1) {
        const auto whole = static_cast<unsigned>(std::lround(std::fabs(v)));
        return QStringLiteral("%1")
            .arg(whole, HexDigits(e.maximum), 16, QLatin1Char('0'))
            .toUpper();
    }
    return QString::number(static_cast<double>(v), 'f', Decimals(e.step));
}

bool Exists(const ParameterEntry& e, int column) {
    return e.accessLevels[column] != 0;
}

// "4" when every control method that has the parameter agrees, else "4/4/4/5".
QString Levels(const ParameterEntry& e) {
    QStringList levels;
    bool same = true;
    int first = -1;
    for (int c = 0; c < 4; ++c) {
        if (!Exists(e, c)) {
            levels << QStringLiteral("–");
            continue;
        }
        if (first < 0) first = e.accessLevels[c];
        if (e.accessLevels[c] != first) same = false;
        levels << QString::number(e.accessLevels[c]);
    }
    return same ? QString::number(first) : levels.join(QLatin1Char('/'));
}

QString Cell(const QString& text, const char* cls = nullptr) {
    if (cls == nullptr) return QStringLiteral("<td>%1</td>").arg(text);
    return QStringLiteral("<td class=\"%1\">%2</td>").arg(QLatin1String(cls), text);
}

QString GroupTitle(char letter) {
    switch (letter) {
        case 'A':
            return QStringLiteral("A: Initialisation and preferred parameters");
        case 'B':
            return QStringLiteral("B: Application (sources, stopping, PID, timers)");
        case 'C':
            return QStringLiteral("C: Tuning (ramps, S-curves, slip, torque, carrier)");
        case 'D':
            return QStringLiteral("D: References (multi-step speeds, limits, jumps)");
        case 'E':
            return QStringLiteral("E: Motor and V/f pattern");
        case 'F':
            return QStringLiteral("F: Options and speed feedback");
        case 'H':
            return QStringLiteral("H: Terminal functions");
        case 'L':
            return QStringLiteral("L: Protection");
        case 'N':
            return QStringLiteral("N: Special adjustments");
        case 'O':
            return QStringLiteral("O: Operator settings");
        default:
            return QStringLiteral("%1 parameters").arg(QLatin1Char(letter));
    }
}

const char* kParameterHead =
    "<thead><tr><th>Code</th><th>Name</th><th>Unit</th><th>Range</th>"
    "<th>Default<br/>CM1</th><th>Default<br/>CM2</th><th>Default<br/>CM3</th>"
    "<th>Default<br/>CM4</th><th>Level</th><th>Run</th></tr></thead>";

QString ParameterRow(const ParameterEntry& e) {
    QString row = QStringLiteral("<tr>");
    row += Cell(QStringLiteral("<b>%1</b>").arg(Esc(e.Code())), "code");
    row += Cell(e.name.empty() ? QStringLiteral("–") : Esc(e.name));
    row += Cell(e.displayMode == 1 ? QStringLiteral("<i>hex</i>") : Esc(e.unit), "unit");
    row += Cell(QStringLiteral("%1 to %2").arg(Value(e, e.minimum), Value(e, e.maximum)), "num");
    for (int c = 0; c < 4; ++c) {
        row += Cell(Exists(e, c) ? Value(e, e.values[c]) : QStringLiteral("–"), "num");
    }
    row += Cell(Levels(e), "num");
    row += Cell(e.changeableDuringRun ? QStringLiteral("Yes") : QString(), "num");
    row += QStringLiteral("</tr>\n");
    return row;
}

QString TableStart(const char* cls) {
    return QStringLiteral(
               "<table class=\"%1\" width=\"100%\" border=\"1\" cellspacing=\"0\" "
               "cellpadding=\"2\" style=\"border-collapse:collapse; border-color:#8a94a6\">")
        .arg(QLatin1String(cls));
}

const char* MonitorDisplay(int kind) {
    switch (kind) {
        case 8:
            return "value and A";
        case 9:
            return "value and u (volts)";
        case 10:
            return "Pn and value";
        case 11:
            return "bar pattern, C first";
        case 12:
            return "bar pattern, o first";
        case 13:
            return "bar pattern";
        case 14:
            return "five digits";
        case 20:
        case 23:
        case 24:
            return "parameter code";
        case 21:
            return "fault code";
        case 22:
            return "all segments lit";
        case 25:
        case 26:
            return "selection pattern";
        default:
            return "value";
    }
}

template <int N>
QString FaultTable(const FaultList<N>& list, int count) {
    QString html = TableStart("faults");
    html += QStringLiteral(
        "<thead><tr><th width=\"14%\">Display</th><th>Description</th></tr></thead>");
    for (int n = 1; n <= count && n <= N; ++n) {
        const FaultEntry& e = list.Entry(n);
        const QString shown = QString::fromStdString(e.displayText).trimmed().toHtmlEscaped();
        const QString description = QString::fromStdString(e.description).trimmed().toHtmlEscaped();
        html += QStringLiteral("<tr>") + Cell(QStringLiteral("<b>%1</b>").arg(shown), "display") +
                Cell(description.isEmpty() ? QStringLiteral("–") : description) +
                QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    return html;
}

}  // namespace

QString ParameterChapter(const DriveData& data) {
    QString html;
    char letter = 0;
    std::string group;
    int listed = 0;
    for (int i = 1; i <= data.state.parameterCount; ++i) {
        const ParameterEntry* e = data.parameters.Entry(i);
        if (e == nullptr || e->groupLetter == '-') continue;
        if (e->groupLetter != letter) {
            if (letter != 0) html += QStringLiteral("</table>\n");
            letter = e->groupLetter;
            html += QStringLiteral("<h3>%1</h3>\n").arg(GroupTitle(letter).toHtmlEscaped());
            html += TableStart("parameters") + QLatin1String(kParameterHead);
        }
        const std::string code = e->Code().substr(0, 2);
        if (code != group) {
            group = code;
            html +=
                QStringLiteral("<tr><td colspan=\"10\" class=\"group\"><b>Group %1</b></td></tr>\n")
                    .arg(Esc(group));
        }
        html += ParameterRow(*e);
        ++listed;
    }
    if (letter != 0) html += QStringLiteral("</table>\n");
    return QStringLiteral("<p>%1 parameters are listed.</p>\n").arg(listed) + html;
}

QString BasicParameterTable(const DriveData& data) {
    QString html = TableStart("basic");
    html += QStringLiteral(
        "<thead><tr><th>Code</th><th>Name</th><th>Unit</th><th>Range</th><th>Default</th>"
        "</tr></thead>");
    for (int i = 1; i <= data.state.parameterCount; ++i) {
        const ParameterEntry* e = data.parameters.Entry(i);
        if (e == nullptr || e->groupLetter == '-' || e->groupLetter == 'A') continue;
        if (e->accessLevels[0] == 0 || e->accessLevels[0] > 3) continue;
        html += QStringLiteral("<tr>") +
                Cell(QStringLiteral("<b>%1</b>").arg(Esc(e->Code())), "code") + Cell(Esc(e->name)) +
                Cell(e->displayMode == 1 ? QStringLiteral("<i>hex</i>") : Esc(e->unit), "unit") +
                Cell(QStringLiteral("%1 to %2").arg(Value(*e, e->minimum), Value(*e, e->maximum)),
                     "num") +
                Cell(Value(*e, e->values[0]), "num") + QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    return html;
}

QString MonitorChapter(const DriveData& data) {
    QString html = TableStart("monitors");
    html += QStringLiteral(
        "<thead><tr><th>Code</th><th>Name</th><th>Unit</th><th>Full scale</th>"
        "<th>Shown as</th></tr></thead>");
    for (int i = 1; i <= data.state.monitorCount; ++i) {
        const MonitorEntry* m = data.monitors.Entry(i);
        if (m == nullptr) continue;
        const int decimals = Decimals(m->step);
        html += QStringLiteral("<tr>") +
                Cell(QStringLiteral("<b>%1</b>").arg(Esc(m->Code())), "code") +
                Cell(m->name.empty() ? QStringLiteral("–") : Esc(m->name)) +
                Cell(Esc(m->unit), "unit") +
                Cell(QString::number(static_cast<double>(m->maximum), 'f', decimals), "num") +
                Cell(QLatin1String(MonitorDisplay(m->displayKind))) + QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n");
    return html;
}

QString FaultChapter(const DriveData& data) {
    const auto& counts = data.state.faultCounts;
    QString html;
    html += QStringLiteral("<h3>Faults</h3>\n") + FaultTable(data.faults.faults, counts[0]);
    html += QStringLiteral("<h3>Alarms</h3>\n") + FaultTable(data.faults.alarms, counts[1]);
    html += QStringLiteral("<h3>Operation errors</h3>\n") +
            FaultTable(data.faults.operationErrors, counts[2]);
    html += QStringLiteral("<h3>Auto-tuning errors</h3>\n") +
            FaultTable(data.faults.tuningErrors, counts[3]);
    return html;
}

QString SettingTextChapter() {
    const std::array<std::pair<const char*, const std::vector<std::string>*>, 2> lists{{
        {"Multi-function digital inputs (H1-01 to H1-07)", &InputSettingTexts()},
        {"Multi-function digital outputs (H2-01 to H2-03)", &OutputSettingTexts()},
    }};
    QString html;
    for (const auto& [title, texts] : lists) {
        html += QStringLiteral("<h3>%1</h3>\n").arg(QLatin1String(title));
        html += TableStart("settings");
        html += QStringLiteral(
            "<thead><tr><th width=\"10%\">Setting</th><th>Function</th></tr></thead>");
        for (const std::string& text : *texts) {
            const QString t = QString::fromStdString(text);
            const qsizetype space = t.indexOf(QLatin1Char(' '));
            const QString code = space > 0 ? t.left(space) : t;
            const QString rest = space > 0 ? t.mid(space + 1) : QString();
            html += QStringLiteral("<tr>") +
                    Cell(QStringLiteral("<b>%1</b>").arg(code.toUpper().toHtmlEscaped()), "code") +
                    Cell(rest.toHtmlEscaped()) + QStringLiteral("</tr>\n");
        }
        html += QStringLiteral("</table>\n");
    }
    return html;
}

}  // namespace qd::qt
