#include "platform/headless/ScriptRunner.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <vector>

#include "app/QD720SIM.h"
#include "core/MonitorCatalogue.h"
#include "core/ParameterCatalogue.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/headless/Json.h"
#include "platform/headless/Snapshot.h"

namespace qd::headless {

namespace {

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The line without its comment; a '#' inside a quoted text is kept.
std::string StripComment(const std::string& line) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && quoted) {
            ++i;
        } else if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == '#' && !quoted) {
            return line.substr(0, i);
        }
    }
    return line;
}

std::vector<std::string> Words(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool ParseNumber(const std::string& word, double& value) {
    char* end = nullptr;
    value = std::strtod(word.c_str(), &end);
    return !word.empty() && end && *end == '\0' && std::isfinite(value);
}

bool ParseWholeNumber(const std::string& word, long long& value) {
    if (word.empty() || !std::all_of(word.begin(), word.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return false;
    if (word.size() > 15) return false;
    value = std::stoll(word);
    return true;
}

class ScriptError {
public:
    explicit ScriptError(std::string t) : text(std::move(t)) {}
    std::string text;
};

// Compares an expected value with the snapshot's; numbers within the tolerance.
bool Matches(const Json& expected, const Json& actual, double tolerance) {
    if (expected.kind == Json::Kind::Number && actual.kind == Json::Kind::Number)
        return std::fabs(expected.number - actual.number) <= tolerance;
    if (expected.kind == Json::Kind::String && actual.kind == Json::Kind::String)
        return expected.text == actual.text;
    if (expected.kind == Json::Kind::Array && actual.kind == Json::Kind::Array) {
        if (expected.items.size() != actual.items.size()) return false;
        for (size_t i = 0; i < expected.items.size(); ++i)
            if (!Matches(expected.items[i], actual.items[i], tolerance)) return false;
        return true;
    }
    // A bare word that reads as a number, compared with a text field.
    if (expected.kind == Json::Kind::Number && actual.kind == Json::Kind::String)
        return FormatNumber(expected.number) == actual.text;
    return false;
}

// A field of the snapshot: "state", "lamps.RUN", "segments.0" or "segments[0]".
const Json* FieldOf(const Json& snapshot, const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '[', '.');
    p.erase(std::remove(p.begin(), p.end(), ']'), p.end());
    const Json* node = &snapshot;
    std::istringstream parts(p);
    for (std::string part; std::getline(parts, part, '.');) {
        if (node->kind == Json::Kind::Object) {
            node = node->Find(part);
        } else if (node->kind == Json::Kind::Array) {
            long long i = 0;
            if (!ParseWholeNumber(part, i) || i >= static_cast<long long>(node->items.size()))
                return nullptr;
            node = &node->items[static_cast<size_t>(i)];
        } else {
            return nullptr;
        }
        if (!node) return nullptr;
    }
    return node == &snapshot ? nullptr : node;
}

class Runner {
public:
    Runner(std::ostream& out, const std::string& programPath) : out_(out), platform_(out) {
        platform_.SeedReturningUser();
        program_ = StartProgram(platform_.Services(), programPath);
        if (program_.form) {
            TSimForm& form = *program_.form;
            platform_.onCloseMainWindow = [&form] { form.FormClose(); };
        }
    }

    bool Stopped() const { return platform_.fatalStopped || !program_.form; }
    bool Closed() const { return platform_.mainWindowClosed; }
    bool expectFailed = false;

    void Execute(int lineNumber, const std::string& line) {
        const std::vector<std::string> w = Words(line);
        if (w.empty()) return;
        const std::string command = Upper(w[0]);
        TSimForm& form = *program_.form;
        auto arity = [&](size_t n) {
            if (w.size() != n) throw ScriptError("wrong number of arguments for " + w[0]);
        };
        auto onOff = [&](const std::string& word) {
            const std::string u = Upper(word);
            if (u == "ON") return true;
            if (u == "OFF") return false;
            throw ScriptError("expected on or off, got " + word);
        };
        auto number = [&](const std::string& word, double lo, double hi) {
            double v = 0;
            if (!ParseNumber(word, v)) throw ScriptError("not a number: " + word);
            if (v < lo || v > hi)
                throw ScriptError(word + " is out of range " + FormatNumber(lo) + " to " +
                                  FormatNumber(hi));
            return v;
        };
        auto run = [&](void (TSimForm::*handler)()) {
            form.Run([&form, handler] { (form.*handler)(); });
        };

        if (command == "POWER") {
            arity(2);
            form.MainPower.on = onOff(w[1]);
        } else if (command == "KEY") {
            arity(2);
            static const std::map<std::string, void (TSimForm::*)()> keys = {
                {"ESC", &TSimForm::EscKeyClick},     {"RESET", &TSimForm::LeftKeyClick},
                {"ENTER", &TSimForm::EnterKeyClick}, {"UP", &TSimForm::UpKeyClick},
                {"DOWN", &TSimForm::DownkeyClick},   {"RUN", &TSimForm::RunKeyClick},
                {"STOP", &TSimForm::StopKeyClick},   {"LORE", &TSimForm::LOREKEYClick},
            };
            const auto it = keys.find(Upper(w[1]));
            if (it == keys.end()) throw ScriptError("unknown key " + w[1]);
            run(it->second);
        } else if (command == "SWITCH") {
            arity(3);
            const std::string which = Upper(w[1]);
            if (which == "BASEBLOCK") {
                form.BASEBLOCK_EXT.on = onOff(w[2]);
            } else if (which.size() == 2 && which[0] == 'S' && which[1] >= '1' && which[1] <= '7') {
                form.Inputs()[static_cast<size_t>(which[1] - '1')]->on = onOff(w[2]);
            } else {
                throw ScriptError("unknown switch " + w[1]);
            }
        } else if (command == "BOARD") {
            arity(2);
            const std::string which = Upper(w[1]);
            if (which != "ALTERNATE" && which != "STANDARD")
                throw ScriptError("expected alternate or standard, got " + w[1]);
            form.TerminalVersion.checked = which == "ALTERNATE";
            run(&TSimForm::TerminalVersionClick);
        } else if (command == "KNOB") {
            arity(3);
            const std::string which = Upper(w[1]);
            if (which == "A1")
                form.A1POT.position = number(w[2], 0, 10);
            else if (which == "A2")
                form.A2POT.position = number(w[2], 0, 10);
            else if (which == "CURRENT")
                form.MotorCurrent.position = number(w[2], 0, 200);
            else if (which == "TORQUE")
                form.MotorTorque.position = number(w[2], 0, 200);
            else
                throw ScriptError("unknown knob " + w[1]);
        } else if (command == "SLIDER") {
            arity(3);
            if (Upper(w[1]) != "RP") throw ScriptError("unknown slider " + w[1]);
            form.RPINPUT.position = number(w[2], 0, 100);
        } else if (command == "SELECT") {
            arity(3);
            auto [list, handler] = ListOf(form, w[1]);
            long long n = 0;
            if (!ParseWholeNumber(w[2], n) || n >= static_cast<long long>(list->items.size()))
                throw ScriptError("no item " + w[2] + " in " + Upper(w[1]));
            list->itemIndex = static_cast<int>(n);
            run(handler);
        } else if (command == "CLICK") {
            arity(2);
            const std::string which = Upper(w[1]);
            if (which == "FAULT")
                run(&TSimForm::FaultButtonClick);
            else if (which == "TUNE")
                run(&TSimForm::AutotuneButtonClick);
            else
                throw ScriptError("unknown button " + w[1]);
        } else if (command == "PRESS" || command == "RELEASE") {
            arity(2);
            const bool press = command == "PRESS";
            const std::string which = Upper(w[1]);
            if (which == "ALARM")
                run(press ? &TSimForm::AlarmButtonMouseDown : &TSimForm::AlarmButtonMouseUp);
            else if (which == "OPR")
                run(press ? &TSimForm::OprAlarmButtonMouseDown : &TSimForm::OprAlarmButtonMouseUp);
            else
                throw ScriptError("unknown button " + w[1]);
        } else if (command == "WAIT") {
            arity(2);
            long long ms = 0;
            if (!ParseWholeNumber(w[1], ms)) throw ScriptError("not a whole number of ms: " + w[1]);
            form.clock.Advance(ms);
        } else if (command == "SHOW") {
            arity(1);
            Emit(TakeSnapshot(form));
        } else if (command == "GET") {
            arity(2);
            const ParameterCode code = Code(w[1]);
            const FoundValue v =
                FindParameterValue(*form.data, code.groupLetter, code.groupDigit, code.number);
            Json valueLine = ValueLine(w[1], v.found, v.value);
            const ParameterEntry* e =
                FindParameterEntry(*form.data, code.groupLetter, code.groupDigit, code.number);
            if (v.found && e && e->editType == 1)
                valueLine.Add("text", Json::Str(form.data->currentSettingText));
            Emit(valueLine);
        } else if (command == "SET") {
            arity(3);
            const ParameterCode code = Code(w[1]);
            double v = 0;
            if (!ParseNumber(w[2], v)) throw ScriptError("not a number: " + w[2]);
            if (!StoreParameterValue(*form.data, code.groupLetter, code.groupDigit, code.number,
                                     static_cast<float>(v)))
                throw ScriptError("no parameter " + Upper(w[1]));
        } else if (command == "MONITOR") {
            arity(2);
            const ParameterCode code = Code(w[1]);
            const MonitorValue v =
                FindMonitorValue(*form.data, code.groupLetter, code.groupDigit, code.number);
            Emit(ValueLine(w[1], v.found, v.value));
        } else if (command == "ITEMS") {
            arity(2);
            const ComboBox* list = ListOf(form, w[1]).first;
            std::vector<Json> items;
            for (const std::string& item : list->items) items.push_back(Json::Str(item));
            Emit(Json::Obj()
                     .Add("type", Json::Str("items"))
                     .Add("list", Json::Str(Upper(w[1])))
                     .Add("items", Json::Arr(items)));
        } else if (command == "EXPECT") {
            Expect(form, lineNumber, line);
        } else {
            throw ScriptError("unknown command " + w[0]);
        }
    }

    void Emit(const Json& j) { out_ << j.Dump() << '\n' << std::flush; }

private:
    static ParameterCode Code(const std::string& word) {
        ParameterCode code;
        if (!ParseParameterCode(word, code)) throw ScriptError("not a code: " + word);
        return code;
    }

    static Json ValueLine(const std::string& code, bool found, float value) {
        return Json::Obj()
            .Add("type", Json::Str("value"))
            .Add("code", Json::Str(Upper(code)))
            .Add("found", Json::Bool(found))
            .Add("value", Json::Num(value));
    }

    static std::pair<ComboBox*, void (TSimForm::*)()> ListOf(TSimForm& form,
                                                             const std::string& word) {
        const std::string which = Upper(word);
        if (which == "FAULT") return {&form.Fault_List, &TSimForm::Fault_ListChange};
        if (which == "ALARM") return {&form.Alarm_List, &TSimForm::Alarm_ListChange};
        if (which == "OPR") return {&form.Opr_Alarm_List, &TSimForm::Opr_Alarm_ListChange};
        if (which == "TUNE") return {&form.Autotune_Fault, &TSimForm::Autotune_FaultChange};
        throw ScriptError("unknown list " + word);
    }

    void Expect(TSimForm& form, int lineNumber, const std::string& line) {
        // expect FIELD VALUE [TOLERANCE]; VALUE may be quoted or a [list].
        std::istringstream in(line);
        std::string keyword, field;
        in >> keyword >> field;
        std::string rest;
        std::getline(in, rest);
        Json expected;
        std::string after;
        if (field.empty() || !ParseValue(rest, expected, after))
            throw ScriptError("expect needs a field and a value");
        double tolerance = 0.0005;
        const std::vector<std::string> tail = Words(after);
        if (tail.size() > 1) throw ScriptError("too many arguments for expect");
        if (tail.size() == 1 && (!ParseNumber(tail[0], tolerance) || tolerance < 0))
            throw ScriptError("not a tolerance: " + tail[0]);
        const Json snapshot = TakeSnapshot(form);
        const Json* actual = FieldOf(snapshot, field);
        if (!actual) throw ScriptError("no snapshot field " + field);
        if (!Matches(expected, *actual, tolerance)) {
            expectFailed = true;
            Emit(Json::Obj()
                     .Add("type", Json::Str("expect-failed"))
                     .Add("line", Json::Num(lineNumber))
                     .Add("field", Json::Str(field))
                     .Add("expected", expected)
                     .Add("actual", *actual));
        }
    }

    std::ostream& out_;
    HeadlessPlatform platform_;
    Program program_;
};

}  // namespace

int RunScript(std::istream& in, std::ostream& out, const std::string& programPath) {
    Runner runner(out, programPath);
    if (runner.Stopped()) return kFatalStop;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string command = StripComment(line);
        try {
            runner.Execute(lineNumber, command);
        } catch (const ScriptError& e) {
            runner.Emit(Json::Obj()
                            .Add("type", Json::Str("error"))
                            .Add("line", Json::Num(lineNumber))
                            .Add("text", Json::Str(e.text)));
            return kScriptError;
        }
        if (runner.Stopped()) return kFatalStop;
        if (runner.Closed()) break;
    }
    return runner.expectFailed ? kExpectFailed : kScriptPassed;
}

}  // namespace qd::headless
