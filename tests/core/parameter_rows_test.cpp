// The built parameter catalogue against the rules the whole catalogue keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/DriveData.h"
#include "core/ParameterCatalogue.h"
#include "core/ParameterRows.h"

namespace qd {
namespace {

std::unique_ptr<DriveData> Built() {
    auto d = std::make_unique<DriveData>();
    InitialiseDriveData(*d, "/tmp/x/qd720-script");
    return d;
}

// "B5-02..B5-08" or a single code -> the codes it stands for.
std::set<std::string> Codes(std::initializer_list<const char*> ranges) {
    std::set<std::string> codes;
    for (std::string part : ranges) {
        const auto dots = part.find("..");
        if (dots == std::string::npos) {
            codes.insert(part);
            continue;
        }
        const std::string from = part.substr(0, dots), to = part.substr(dots + 2);
        const int first = std::stoi(from.substr(3)), last = std::stoi(to.substr(3));
        for (int n = first; n <= last; ++n) {
            codes.insert(from.substr(0, 3) + (n < 10 ? "0" : "") + std::to_string(n));
        }
    }
    return codes;
}

std::vector<const ParameterEntry*> Parameters(const DriveData& d) {  // without the placeholder
    std::vector<const ParameterEntry*> all;
    for (int position = 2; position <= d.state.parameterCount; ++position)
        all.push_back(d.parameters.Entry(position));
    return all;
}

template <typename Pred>
std::set<std::string> CodesWhere(const DriveData& d, Pred pred) {
    std::set<std::string> codes;
    for (const ParameterEntry* e : Parameters(d))
        if (pred(*e)) codes.insert(e->Code());
    return codes;
}

const ParameterEntry& Get(const DriveData& d, const std::string& code) {
    ParameterCode c;
    EXPECT_TRUE(ParseParameterCode(code, c)) << code;
    const ParameterEntry* e = FindParameterEntry(d, c.groupLetter, c.groupDigit, c.number);
    EXPECT_NE(e, nullptr) << code;
    static const ParameterEntry none;
    return e != nullptr ? *e : none;
}

std::string Pattern(const ParameterEntry& e) {
    std::string p;
    for (uint8_t level : e.accessLevels) p += level != 0 ? '1' : '0';
    return p;
}

std::string Flags(const ParameterEntry& e) {
    std::vector<std::string> f;
    if (e.changeableDuringRun) f.push_back("R");
    if (e.displayMode == 1) f.push_back("H");
    if (e.storeAction == 1) f.push_back("S");
    if (e.variants.none()) f.push_back("E");
    if (e.editType != 0) f.push_back("T" + std::to_string(e.editType));
    std::string text;
    for (const auto& s : f) text += (text.empty() ? "" : " ") + s;
    return text;
}

TEST(ParameterRows, PlaceholderAndFourHundredFortyRowsInCodeOrder) {
    auto d = Built();
    ASSERT_EQ(d->state.parameterCount, 441);
    EXPECT_EQ(d->state.lastListNumber, 441);
    const ParameterEntry& p = *d->parameters.Entry(1);
    EXPECT_EQ(p.Code(), "---00");
    EXPECT_EQ(p.name, "Dummy");
    EXPECT_EQ(p.reg, 0);
    EXPECT_EQ(p.unit, "");
    EXPECT_EQ(p.values, (std::array<float, 4>{0, 0, 0, 0}));
    EXPECT_EQ(p.minimum, 0);
    EXPECT_EQ(p.maximum, 2);
    EXPECT_EQ(p.step, 1);
    EXPECT_EQ(p.accessLevels, (std::array<uint8_t, 4>{4, 4, 4, 4}));
    EXPECT_EQ(p.editType, 0);
    EXPECT_TRUE(p.variants.none());
    EXPECT_EQ(d->parameters.Entry(442), nullptr);
    for (int k = 1; k <= 441; ++k) EXPECT_EQ(d->parameters.Entry(k)->index, k);

    // Groups contiguous, in this order, with these sizes; codes strictly ascending.
    const std::vector<std::pair<std::string, int>> groups = {
        {"A1", 5},  {"A2", 33}, {"B1", 10}, {"B2", 8}, {"B3", 12}, {"B4", 2},  {"B5", 26},
        {"B6", 4},  {"B8", 7},  {"C1", 11}, {"C2", 4}, {"C3", 5},  {"C4", 6},  {"C5", 5},
        {"C6", 5},  {"D1", 17}, {"D2", 3},  {"D3", 4}, {"D4", 9},  {"D7", 3},  {"E1", 12},
        {"E2", 12}, {"E3", 11}, {"E4", 14}, {"E5", 9}, {"F1", 8},  {"F6", 19}, {"F7", 19},
        {"H1", 7},  {"H2", 4},  {"H3", 9},  {"H4", 3}, {"H5", 11}, {"H6", 7},  {"L1", 6},
        {"L2", 9},  {"L3", 14}, {"L4", 7},  {"L5", 4}, {"L6", 10}, {"L7", 6},  {"L8", 17},
        {"N1", 4},  {"N2", 3},  {"N3", 7},  {"N6", 1}, {"N8", 6},  {"O1", 5},  {"O2", 8},
        {"O4", 9},
    };
    std::vector<std::pair<std::string, int>> seen;
    std::string previous;
    for (const ParameterEntry* e : Parameters(*d)) {
        const std::string code = e->Code();
        EXPECT_LT(previous, code);
        previous = code;
        const std::string group = code.substr(0, 2);
        if (seen.empty() || seen.back().first != group) seen.push_back({group, 0});
        ++seen.back().second;
    }
    EXPECT_EQ(seen, groups);
}

TEST(ParameterRows, RegistersAsListed) {
    const std::vector<std::pair<const char*, uint16_t>> registers = {
        {"A1-01", 257},  {"A1-02", 258},  {"A1-03", 259},  {"A1-06", 295},  {"A1-07", 296},
        {"A2-01", 262},  {"A2-02", 263},  {"A2-03", 264},  {"A2-04", 265},  {"A2-05", 266},
        {"A2-06", 267},  {"A2-07", 268},  {"A2-08", 269},  {"A2-09", 270},  {"A2-10", 271},
        {"A2-11", 272},  {"A2-12", 273},  {"A2-13", 274},  {"A2-14", 275},  {"A2-15", 276},
        {"A2-16", 277},  {"A2-17", 278},  {"A2-18", 279},  {"A2-19", 280},  {"A2-20", 281},
        {"A2-21", 282},  {"A2-22", 283},  {"A2-23", 284},  {"A2-24", 285},  {"A2-25", 286},
        {"A2-26", 287},  {"A2-27", 288},  {"A2-28", 289},  {"A2-29", 290},  {"A2-30", 291},
        {"A2-31", 292},  {"A2-32", 293},  {"A2-33", 294},  {"B1-01", 384},  {"B1-02", 385},
        {"B1-03", 386},  {"B1-04", 387},  {"B1-07", 390},  {"B1-08", 391},  {"B1-14", 451},
        {"B1-15", 452},  {"B1-16", 453},  {"B1-17", 454},  {"B2-01", 393},  {"B2-02", 394},
        {"B2-03", 395},  {"B2-04", 396},  {"B2-08", 400},  {"B2-12", 442},  {"B2-13", 443},
        {"B2-15", 445},  {"B3-01", 401},  {"B3-02", 402},  {"B3-03", 403},  {"B3-05", 405},
        {"B3-06", 406},  {"B3-10", 410},  {"B3-14", 414},  {"B3-17", 496},  {"B3-18", 497},
        {"B3-19", 498},  {"B3-24", 448},  {"B3-25", 456},  {"B4-01", 419},  {"B4-02", 420},
        {"B5-01", 421},  {"B5-02", 422},  {"B5-03", 423},  {"B5-04", 424},  {"B5-05", 425},
        {"B5-06", 426},  {"B5-07", 427},  {"B5-08", 428},  {"B5-09", 429},  {"B5-10", 430},
        {"B5-11", 431},  {"B5-12", 432},  {"B5-13", 433},  {"B5-14", 434},  {"B5-15", 435},
        {"B5-16", 436},  {"B5-17", 437},  {"B5-18", 476},  {"B5-19", 477},  {"B5-20", 482},
        {"B5-34", 415},  {"B5-35", 416},  {"B5-36", 417},  {"B5-37", 418},  {"B5-38", 510},
        {"B5-39", 511},  {"B6-01", 438},  {"B6-02", 439},  {"B6-03", 440},  {"B6-04", 441},
        {"B8-01", 460},  {"B8-02", 461},  {"B8-03", 462},  {"B8-04", 463},  {"B8-05", 464},
        {"B8-06", 465},  {"B8-19", 509},  {"C1-01", 512},  {"C1-02", 513},  {"C1-03", 514},
        {"C1-04", 515},  {"C1-05", 516},  {"C1-06", 517},  {"C1-07", 518},  {"C1-08", 519},
        {"C1-09", 520},  {"C1-10", 521},  {"C1-11", 522},  {"C2-01", 523},  {"C2-02", 524},
        {"C2-03", 525},  {"C2-04", 526},  {"C3-01", 527},  {"C3-02", 528},  {"C3-03", 529},
        {"C3-04", 530},  {"C3-05", 531},  {"C4-01", 533},  {"C4-02", 534},  {"C4-03", 535},
        {"C4-04", 536},  {"C4-05", 537},  {"C4-06", 538},  {"C5-01", 539},  {"C5-02", 540},
        {"C5-03", 541},  {"C5-04", 542},  {"C5-05", 543},  {"C6-01", 547},  {"C6-02", 548},
        {"C6-03", 549},  {"C6-04", 550},  {"C6-05", 551},  {"D1-01", 640},  {"D1-02", 641},
        {"D1-03", 642},  {"D1-04", 643},  {"D1-05", 644},  {"D1-06", 645},  {"D1-07", 646},
        {"D1-08", 647},  {"D1-09", 648},  {"D1-10", 651},  {"D1-11", 652},  {"D1-12", 653},
        {"D1-13", 654},  {"D1-14", 655},  {"D1-15", 656},  {"D1-16", 657},  {"D1-17", 658},
        {"D2-01", 649},  {"D2-02", 650},  {"D2-03", 659},  {"D3-01", 660},  {"D3-02", 661},
        {"D3-03", 662},  {"D3-04", 663},  {"D4-01", 664},  {"D4-03", 682},  {"D4-04", 683},
        {"D4-05", 684},  {"D4-06", 685},  {"D4-07", 686},  {"D4-08", 687},  {"D4-09", 688},
        {"D4-10", 689},  {"D7-01", 690},  {"D7-02", 691},  {"D7-03", 692},  {"E1-01", 768},
        {"E1-03", 770},  {"E1-04", 771},  {"E1-05", 772},  {"E1-06", 773},  {"E1-07", 774},
        {"E1-08", 775},  {"E1-09", 776},  {"E1-10", 777},  {"E1-11", 778},  {"E1-12", 779},
        {"E1-13", 780},  {"E2-01", 782},  {"E2-02", 783},  {"E2-03", 784},  {"E2-04", 785},
        {"E2-05", 786},  {"E2-06", 787},  {"E2-07", 788},  {"E2-08", 789},  {"E2-09", 790},
        {"E2-10", 791},  {"E2-11", 792},  {"E2-12", 808},  {"E3-01", 793},  {"E3-04", 794},
        {"E3-05", 795},  {"E3-06", 796},  {"E3-07", 797},  {"E3-08", 798},  {"E3-09", 799},
        {"E3-10", 800},  {"E3-11", 837},  {"E3-12", 838},  {"E3-13", 839},  {"E4-01", 801},
        {"E4-02", 802},  {"E4-03", 803},  {"E4-04", 804},  {"E4-05", 805},  {"E4-06", 806},
        {"E4-07", 835},  {"E4-08", 836},  {"E4-09", 831},  {"E4-10", 832},  {"E4-11", 807},
        {"E4-12", 834},  {"E4-14", 830},  {"E4-15", 833},  {"E5-01", 809},  {"E5-02", 810},
        {"E5-03", 811},  {"E5-04", 812},  {"E5-05", 813},  {"E5-06", 814},  {"E5-07", 815},
        {"E5-09", 817},  {"E5-24", 851},  {"F1-02", 897},  {"F1-03", 898},  {"F1-04", 899},
        {"F1-08", 903},  {"F1-09", 904},  {"F1-10", 905},  {"F1-11", 906},  {"F1-14", 909},
        {"F6-01", 930},  {"F6-02", 931},  {"F6-03", 932},  {"F6-04", 933},  {"F6-10", 950},
        {"F6-11", 951},  {"F6-14", 955},  {"F6-20", 961},  {"F6-21", 962},  {"F6-22", 963},
        {"F6-23", 964},  {"F6-24", 965},  {"F6-30", 971},  {"F6-31", 972},  {"F6-32", 973},
        {"F6-35", 976},  {"F6-36", 977},  {"F6-40", 981},  {"F6-41", 982},  {"F7-01", 997},
        {"F7-02", 998},  {"F7-03", 999},  {"F7-04", 1000}, {"F7-05", 1001}, {"F7-06", 1002},
        {"F7-07", 1003}, {"F7-08", 1004}, {"F7-09", 1005}, {"F7-10", 1006}, {"F7-11", 1007},
        {"F7-12", 1008}, {"F7-13", 1009}, {"F7-14", 1010}, {"F7-15", 1011}, {"F7-18", 1014},
        {"F7-19", 1015}, {"F7-20", 1016}, {"F7-21", 1017}, {"H1-01", 1080}, {"H1-02", 1081},
        {"H1-03", 1024}, {"H1-04", 1025}, {"H1-05", 1026}, {"H1-06", 1027}, {"H1-07", 1028},
        {"H2-01", 1035}, {"H2-02", 1036}, {"H2-03", 1037}, {"H2-06", 1079}, {"H3-01", 1040},
        {"H3-02", 1076}, {"H3-03", 1041}, {"H3-04", 1042}, {"H3-09", 1047}, {"H3-10", 1048},
        {"H3-11", 1049}, {"H3-12", 1050}, {"H3-13", 1051}, {"H4-01", 1053}, {"H4-02", 1054},
        {"H4-03", 1055}, {"H5-01", 1061}, {"H5-02", 1062}, {"H5-03", 1063}, {"H5-04", 1064},
        {"H5-05", 1065}, {"H5-06", 1066}, {"H5-07", 1067}, {"H5-09", 1077}, {"H5-10", 1078},
        {"H5-11", 1084}, {"H5-12", 1085}, {"H6-01", 1068}, {"H6-02", 1069}, {"H6-03", 1070},
        {"H6-04", 1071}, {"H6-05", 1072}, {"H6-06", 1073}, {"H6-07", 1074}, {"L1-01", 1152},
        {"L1-02", 1153}, {"L1-03", 1154}, {"L1-04", 1155}, {"L1-05", 1156}, {"L1-13", 1133},
        {"L2-01", 1157}, {"L2-02", 1158}, {"L2-03", 1159}, {"L2-04", 1160}, {"L2-05", 1161},
        {"L2-06", 1162}, {"L2-07", 1163}, {"L2-08", 1164}, {"L2-11", 1121}, {"L3-01", 1167},
        {"L3-02", 1168}, {"L3-03", 1169}, {"L3-04", 1170}, {"L3-05", 1171}, {"L3-06", 1172},
        {"L3-11", 1223}, {"L3-17", 1122}, {"L3-20", 1125}, {"L3-21", 1126}, {"L3-22", 1273},
        {"L3-23", 1277}, {"L3-24", 1134}, {"L3-25", 1135}, {"L4-01", 1177}, {"L4-02", 1178},
        {"L4-03", 1179}, {"L4-04", 1180}, {"L4-05", 1181}, {"L4-06", 1218}, {"L4-07", 1136},
        {"L5-01", 1182}, {"L5-02", 1183}, {"L5-04", 1132}, {"L5-05", 1127}, {"L6-01", 1185},
        {"L6-02", 1186}, {"L6-03", 1187}, {"L6-04", 1188}, {"L6-05", 1189}, {"L6-06", 1190},
        {"L6-08", 1128}, {"L6-09", 1129}, {"L6-10", 1130}, {"L6-11", 1131}, {"L7-01", 1191},
        {"L7-02", 1192}, {"L7-03", 1193}, {"L7-04", 1194}, {"L7-06", 1196}, {"L7-07", 1225},
        {"L8-01", 1197}, {"L8-02", 1198}, {"L8-03", 1199}, {"L8-05", 1201}, {"L8-07", 1203},
        {"L8-09", 1205}, {"L8-10", 1206}, {"L8-11", 1207}, {"L8-12", 1208}, {"L8-15", 1211},
        {"L8-18", 1214}, {"L8-19", 1215}, {"L8-29", 1247}, {"L8-35", 1260}, {"L8-38", 1263},
        {"L8-40", 1265}, {"L8-41", 1266}, {"N1-01", 1408}, {"N1-02", 1409}, {"N1-03", 1410},
        {"N1-05", 1328}, {"N2-01", 1412}, {"N2-02", 1413}, {"N2-03", 1414}, {"N3-01", 1416},
        {"N3-02", 1417}, {"N3-03", 1418}, {"N3-04", 1419}, {"N3-13", 1329}, {"N3-21", 1401},
        {"N3-23", 1403}, {"N6-01", 1392}, {"N8-45", 1336}, {"N8-47", 1338}, {"N8-48", 1339},
        {"N8-49", 1340}, {"N8-51", 1342}, {"N8-55", 1390}, {"O1-01", 1280}, {"O1-02", 1281},
        {"O1-03", 1282}, {"O1-10", 1312}, {"O1-11", 1313}, {"O2-01", 1285}, {"O2-02", 1286},
        {"O2-03", 1287}, {"O2-04", 1288}, {"O2-05", 1289}, {"O2-06", 1290}, {"O2-07", 1319},
        {"O2-09", 1293}, {"O4-01", 1291}, {"O4-02", 1292}, {"O4-03", 1294}, {"O4-05", 1309},
        {"O4-07", 1315}, {"O4-09", 1317}, {"O4-11", 1296}, {"O4-12", 1298}, {"O4-13", 1320},
    };
    auto d = Built();
    const auto all = Parameters(*d);
    ASSERT_EQ(all.size(), registers.size());
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i]->Code(), registers[i].first);
        EXPECT_EQ(all[i]->reg, registers[i].second) << registers[i].first;
        EXPECT_EQ(FindParameterRegister(*d, all[i]->groupLetter, all[i]->groupDigit, all[i]->number)
                      .value,
                  registers[i].second);
    }
}

struct FullRow {
    const char* code;
    uint16_t reg;
    const char* name;  // as stored: cut to 50 characters
    const char* unit;
    std::array<float, 4> defaults;  // at start-up (lastInitialisation 2220)
    float minimum, maximum, step;
    const char* access;
    const char* flags;
};

TEST(ParameterRows, RowsGivenInFullAreUsedAsWritten) {
    const std::vector<FullRow> rows = {
        // clang-format off
    {"A1-01", 257, "Access Level Selection", "", {2, 2, 2, 2}, 0, 9999, 1, "1111", "R"},
    {"A1-02", 258, "Control Method Selection", "", {0, 0, 0, 0}, 0, 7, 1, "3333", "T4"},
    {"A1-03", 259, "Initialize Parameters", "", {0, 0, 0, 0}, 0, 9990, 1, "4444", "T3"},
    {"A1-06", 295, "Application Selection", "", {0, 0, 0, 0}, 0, 7, 1, "4444", "S"},
    {"A1-07", 296, "MFLX Function Selection", "", {0, 0, 0, 0}, 0, 2, 1, "4444", ""},
    {"A2-01", 262, "Preferred Parameters", "", {0, 0, 0, 0}, 0, 65535, 1, "4444", "T2"},
    {"A2-33", 294, "Preferred Parameter Automatic Selection", "", {0, 0, 0, 0}, 0, 1, 1, "4444", ""},
    {"B1-01", 384, "Frequency Reference Selection", "", {1, 1, 1, 1}, 0, 4, 1, "3333", ""},
    {"B1-02", 385, "Run Command Selection", "", {1, 1, 1, 1}, 0, 3, 1, "3333", ""},
    {"B1-03", 386, "Stopping Method Selection", "", {0, 0, 0, 0}, 0, 3, 1, "3333", ""},
    {"B1-04", 387, "Reverse Operation Selection", "", {0, 0, 0, 0}, 0, 1, 1, "4444", ""},
    {"B1-15", 452, "Frequency Reference 2", "", {0, 0, 0, 0}, 0, 4, 1, "4444", ""},
    {"B2-03", 395, "DC Injection Braking Time/DC Excitation Time at St", "sec", {0, 0, 0, 0}, 0, 10, 100, "4445", ""},
    {"B3-19", 498, "Number of Speed Search Restarts", "", {3, 3, 3, 3}, 0, 10, 1, "4445", ""},
    {"B5-01", 421, "PID Function Setting", "", {0, 0, 0, 0}, 0, 4, 1, "4444", ""},
    {"B5-02", 422, "Proportional Gain Setting (P)", "", {1, 1, 1, 1}, 0, 25, 100, "4444", "R"},
    {"B5-03", 423, "Integral Time Setting (I)", "sec", {1, 1, 1, 1}, 0, 360, 10, "4444", "R"},
    {"B5-05", 425, "Derivative Time", "sec", {0, 0, 0, 0}, 0, 10, 100, "4444", "R"},
    {"B5-09", 429, "PID Output Level Selection", "", {0, 0, 0, 0}, 0, 1, 1, "4444", ""},
    {"B5-15", 435, "PID Sleep Function Start Level", "Hz", {0, 0, 0, 0}, 0, 400, 10, "4444", ""},
    {"B5-18", 476, "PID Setpoint Selection", "", {0, 0, 0, 0}, 0, 1, 1, "4444", ""},
    {"B5-39", 511, "PID Setpoint and Display Digits", "", {2, 2, 0, 2}, 0, 3, 1, "4444", ""},
    {"B8-19", 509, "Motor Iron Loss for Energy Savings", "", {0, 0, 0, 0}, 0, 1, 1, "4400", "E"},
    {"C1-01", 512, "Acceleration Time 1", "sec.", {10, 10, 10, 10}, 0, 6000, 10, "3333", "R"},
    {"C1-02", 513, "Deceleration Time 1", "sec.", {10, 10, 10, 10}, 0, 6000, 10, "3333", "R"},
    {"C1-03", 514, "Acceleration Time 2", "sec.", {10, 10, 10, 10}, 0, 6000, 10, "4444", "R"},
    {"C1-04", 515, "Deceleration Time 2", "sec.", {10, 10, 10, 10}, 0, 6000, 10, "4444", "R"},
    {"C1-05", 516, "Acceleration Time 3 (Motor 2 Accel Time 1)\"", "sec.", {10, 10, 10, 10}, 0, 6000, 10, "4444", "R"},
    {"C1-06", 517, "Deceleration Time 3 (Motor 2 Decel Time 1)\"", "sec.", {10, 10, 10, 10}, 0, 6000, 10, "4444", "R"},
    {"C1-07", 518, "Acceleration Time 4 (Accel Time 2 for Motor 2)\"", "sec.", {10, 10, 10, 10}, 0, 6000, 10, "4444", "R"},
    {"C1-08", 519, "Deceleration Time 4 (Decel Time 2 for Motor 2)\"", "sec.", {10, 10, 10, 10}, 0, 6000, 10, "4444", "R"},
    {"C1-09", 520, "Emergency Stop Time", "sec.", {10, 10, 10, 10}, 0, 6000, 10, "4444", ""},
    {"C4-02", 534, "Torque Compensation Primary Delay Time", "ms", {200, 20, 20, 100}, 0, 60000, 1, "4444", ""},
    {"C4-06", 538, "Torque Compensation Primary Delay Time 2", "ms", {150, 150, 150, 150}, 0, 10000, 1, "0400", ""},
    {"C6-01", 547, "Duty Cycle", "", {1, 0, 0, 0}, 0, 1, 1, "3333", ""},
    {"C6-02", 548, "Carrier Frequency Selection", "", {7, 7, 7, 7}, 0, 15, 1, "3333", "H"},
    {"C6-03", 549, "Carrier Frequency Upper Limit", "kHz", {2, 2, 2, 2}, 1, 15, 10, "4444", ""},
    {"C6-04", 550, "Carrier Frequency Lower Limit", "kHz", {2, 2, 2, 2}, 0.4f, 15, 10, "4400", ""},
    {"C6-05", 551, "Carrier Frequency Proportional Gain", "", {0, 0, 0, 0}, 0, 99, 1, "4400", ""},
    {"D1-01", 640, "Frequency Reference 1", "Hz", {0, 0, 0, 0}, 0, 400, 100, "3333", "R"},
    {"D1-02", 641, "Frequency Reference 2", "Hz", {0, 0, 0, 0}, 0, 400, 100, "3333", "R"},
    {"D1-03", 642, "Frequency Reference 3", "Hz", {0, 0, 0, 0}, 0, 400, 100, "3333", "R"},
    {"D1-04", 643, "Frequency Reference 4", "Hz", {0, 0, 0, 0}, 0, 400, 100, "3333", "R"},
    {"D1-05", 644, "Frequency Reference 5", "Hz", {0, 0, 0, 0}, 0, 400, 100, "4444", "R"},
    {"D1-06", 645, "Frequency Reference 6", "Hz", {0, 0, 0, 0}, 0, 400, 100, "4444", "R"},
    {"D1-07", 646, "Frequency Reference 7", "Hz", {0, 0, 0, 0}, 0, 400, 100, "4444", "R"},
    {"D1-08", 647, "Frequency Reference 8", "Hz", {0, 0, 0, 0}, 0, 400, 100, "4444", "R"},
    {"D1-09", 648, "Frequency Reference 9", "Hz", {0, 0, 0, 0}, 0, 400, 100, "4444", "R"},
    {"D1-10", 651, "Frequency Reference 10", "Hz", {0, 0, 0, 0}, 0, 400, 100, "4444", "R"},
    {"D1-11", 652, "Frequency Reference 11", "Hz", {0, 0, 0, 0}, 0, 400, 100, "4444", "R"},
    {"D1-12", 653, "Frequency Reference 12", "Hz", {0, 0, 0, 0}, 0, 400, 100, "4444", "R"},
    {"D1-13", 654, "Frequency Reference 13", "Hz", {0, 0, 0, 0}, 0, 400, 100, "4444", "R"},
    {"D1-14", 655, "Frequency Reference 14", "Hz", {0, 0, 0, 0}, 0, 400, 100, "4444", "R"},
    {"D1-15", 656, "Frequency Reference 15", "Hz", {0, 0, 0, 0}, 0, 400, 100, "4444", "R"},
    {"D1-16", 657, "Frequency Reference 16", "Hz", {0, 0, 0, 0}, 0, 400, 100, "4444", "R"},
    {"D1-17", 658, "Jog Frequency Reference", "Hz", {6, 6, 6, 6}, 0, 400, 100, "3333", "R"},
    {"D4-10", 689, "Frequency Reference Bias Setting", "%", {10, 10, 10, 10}, 0, 50, 1, "4444", "E"},
    {"E1-01", 768, "Input Voltage Setting", "VAC", {230, 230, 230, 230}, 155, 255, 1, "3333", ""},
    {"E1-03", 770, "V/f Pattern Selection", "", {15, 15, 15, 15}, 0, 255, 1, "4440", "H"},
    {"E1-04", 771, "Max Output Frequency (FMAX)", "Hz", {60, 60, 60, 60}, 40, 400, 10, "3333", ""},
    {"E1-05", 772, "Max Voltage (VMAX)", "VAC", {230, 230, 230, 230}, 0, 255, 10, "3333", ""},
    {"E1-06", 773, "Base Frequency (FA)", "Hz", {60, 60, 60, 60}, 0, 400, 10, "3333", ""},
    {"E1-07", 774, "Mid Output Frequency (FB)", "Hz", {3, 3, 3, 3}, 0, 400, 10, "4440", ""},
    {"E1-08", 775, "Mid Output Frequency Voltage (VC)", "VAC", {18.4f, 18.4f, 18.4f, 18.4f}, 0, 255, 10, "4440", ""},
    {"E1-09", 776, "Minimum Output Frequency (FMIN)", "Hz", {1.5f, 1.5f, 1.5f, 1.5f}, 0, 400, 10, "3333", ""},
    {"E1-10", 777, "Minimum Output Frequency Voltage (VMIN)", "VAC", {12, 12, 12, 12}, 0, 255, 10, "4440", ""},
    {"E1-12", 779, "Mid Output Frequency Voltage 2", "VAC", {0, 0, 0, 0}, 0, 255, 10, "4440", ""},
    {"E1-13", 780, "Base Voltage (VBASE)", "VAC", {0, 0, 0, 0}, 0, 255, 10, "4430", ""},
    {"E2-01", 782, "Motor Rated Current", "A", {1.9f, 1.9f, 1.9f, 1.9f}, 0.32f, 6.4f, 100, "3330", ""},
    {"E2-03", 784, "Motor No-Load Current", "A", {1.2f, 1.2f, 1.2f, 1.2f}, 0.32f, 6.4f, 10, "4440", ""},
    {"E3-04", 794, "(FMAX)", "Hz", {60, 60, 60, 60}, 40, 400, 10, "4440", ""},
    {"E3-05", 795, "Motor 2 Max Voltage(VMAX)", "VAC", {230, 230, 230, 230}, 0, 255, 10, "4440", ""},
    {"E3-06", 796, "Motor 2 Base Frequency(FA)", "Hz", {60, 60, 60, 60}, 0, 400, 10, "4440", ""},
    {"E3-07", 797, "Motor 2 Minimum Output Frequency (FB)", "Hz", {3, 3, 3, 3}, 0, 400, 10, "4440", ""},
    {"E3-09", 799, "Motor 2 Minimum Output Frequency (FMIN)", "Hz", {1.5f, 1.5f, 1.5f, 1.5f}, 0, 400, 10, "4440", ""},
    {"E4-01", 801, "Motor 2 Rated Current", "A", {1.9f, 1.9f, 1.9f, 1.9f}, 0.32f, 6.4f, 100, "4440", ""},
    {"E4-03", 803, "Motor 2 Rated No-Load Current", "A", {1.2f, 1.2f, 1.2f, 1.2f}, 0.32f, 6.4f, 10, "4440", ""},
    {"E5-01", 809, "Motor Code Selection(for PM motor)", "", {0, 0, 0, 0}, 0, 65535, 1, "0003", ""},
    {"E5-02", 810, "Motor Rated Capacity(for PM motor)", "KW", {0.1f, 0.1f, 0.1f, 0.4f}, 0, 650, 100, "0003", ""},
    {"E5-03", 811, "Motor Rated Current (for PM motor)", "A", {0.6f, 0.6f, 0.6f, 0.4f}, 0.32f, 6.4f, 100, "0003", ""},
    {"E5-04", 812, "Motor Poles(for PM motor)", "poles", {4, 4, 4, 2}, 2, 48, 1, "0003", ""},
    {"E5-05", 813, "Motor Armature Resistance(for PM motor)", "OHM", {0, 0, 0, 0}, 0, 650, 100, "0003", ""},
    {"E5-06", 814, "Motor d Axis Inductance(for PM motor)", "mH", {0, 0, 0, 0}, 0, 300, 100, "0003", ""},
    {"E5-07", 815, "Motor q Axis Inductance(for PM motor)", "mH", {0, 0, 0, 0}, 0, 600, 100, "0003", ""},
    {"E5-09", 817, "Motor Induction Voltage Constant 1(for PM motor)", "mV sec/rad", {0, 0, 0, 0}, 0, 2000, 10, "0003", ""},
    {"E5-24", 851, "Motor Induction Voltage Parameter 2 (for PM motor)", "", {0, 0, 0, 0}, 0, 2000, 10, "0003", ""},
    {"H1-01", 1080, "Multi-Function Digital Input Terminal S1 Function ", "", {64, 64, 64, 64}, 0, 159, 1, "4444", "H T1"},
    {"H1-02", 1081, "Multi-Function Digital Input Terminal S2 Function ", "", {65, 65, 65, 65}, 0, 159, 1, "4444", "H T1"},
    {"H1-03", 1024, "Multi-Function Digital Input Terminal S3 Function ", "", {36, 36, 36, 36}, 0, 159, 1, "4444", "H T1"},
    {"H1-04", 1025, "Multi-Function Digital Input Terminal S4 Function ", "", {20, 20, 20, 20}, 0, 159, 1, "4444", "H T1"},
    {"H1-05", 1026, "Multi-Function Digital Input Terminal S5 Function ", "", {3, 3, 3, 3}, 0, 159, 1, "4444", "H T1"},
    {"H1-06", 1027, "Multi-Function Digital Input Terminal S6 Function ", "", {4, 4, 4, 4}, 0, 159, 1, "4444", "H T1"},
    {"H1-07", 1028, "Multi-Function Digital Input Terminal S7 Function ", "", {6, 6, 6, 6}, 0, 159, 1, "4444", "H T1"},
    {"H2-01", 1035, "Terminals MA, MB, and MC Function Selection (relay", "", {14, 14, 14, 14}, 0, 402, 1, "4444", "H T1"},
    {"H2-02", 1036, "Terminals P1 Function Selection (open-collector)", "", {0, 0, 0, 0}, 0, 402, 1, "4444", "H T1"},
    {"H2-03", 1037, "Terminals P2 Function Selection (open-collector)", "", {2, 2, 2, 2}, 0, 402, 1, "4444", "H T1"},
    {"H3-02", 1076, "Terminal A1 Function Selection", "", {0, 0, 0, 0}, 0, 49, 1, "4444", "H"},
    {"H3-03", 1041, "Terminal A1 Gain Setting", "%", {100, 100, 100, 100}, -999.9f, 999.9f, 10, "4444", "R"},
    {"H3-04", 1042, "Terminal A1 Bias Setting", "%", {0, 0, 0, 0}, -999.9f, 999.9f, 10, "4444", "R"},
    {"H3-10", 1048, "Terminal A2 Function Selection", "", {0, 0, 0, 0}, 0, 49, 1, "4444", "H"},
    {"H3-11", 1049, "Terminal A2 Gain Setting", "%", {100, 100, 100, 100}, -999.9f, 999.9f, 10, "4444", "R"},
    {"H3-12", 1050, "Frequency Reference (Current)Terminal A2Input Bias", "%", {0, 0, 0, 0}, -999.9f, 999.9f, 10, "4444", "R"},
    {"H4-01", 1053, "Multi-Function Analog 1 (Terminal AM Monitor Selec", "", {102, 102, 102, 102}, 0, 999, 1, "4444", ""},
    {"H4-02", 1054, "Multi-Function Analog 1 (Terminal AM Output Gain)", "%", {100, 100, 100, 100}, -999.9f, 999.9f, 10, "3333", "R"},
    {"H4-03", 1055, "Multi-Function Analog 1 (Terminal AM Output Bias)", "%", {0, 0, 0, 0}, -999.9f, 999.9f, 10, "4444", "R"},
    {"H5-01", 1061, "Drive Node Address", "", {31, 31, 31, 31}, 0, 31, 1, "4444", "H"},
    {"H6-01", 1068, "Terminal RP Pulse Train Input Function Selection", "", {0, 0, 0, 0}, 0, 3, 1, "4444", ""},
    {"H6-02", 1069, "Pulse Train Input Scaling", "Hz", {1440, 1440, 1440, 1440}, 1000, 32000, 1, "4444", "R"},
    {"H6-06", 1073, "Terminal MP Pulse Train Monitor Selection", "", {102, 102, 102, 102}, 0, 809, 1, "4444", "R"},
    {"H6-07", 1074, "Pulse Train Monitor Scaling", "Hz", {1440, 1440, 1440, 1440}, 0, 32000, 1, "4444", "R"},
    {"L1-01", 1152, "Motor Overload Protection Selection", "", {1, 1, 1, 4}, 0, 4, 1, "3333", ""},
    {"L1-02", 1153, "Motor Overload Protection Time", "min", {1, 1, 1, 1}, 1, 5, 10, "4444", ""},
    {"L2-05", 1161, "Undervoltage Detection Level(UV)", "VDC", {190, 190, 190, 190}, 150, 210, 1, "4444", ""},
    {"L2-11", 1121, "Desired DC Bus Voltage during KEB", "V", {240, 240, 240, 240}, 150, 400, 1, "4444", ""},
    {"L3-11", 1223, "OV Suppression Function Selection", "", {0, 0, 0, 0}, 0, 1, 1, "4445", ""},
    {"L3-17", 1122, "Overvoltage Suppression and Deceleration Stall and", "V", {370, 370, 370, 370}, 150, 400, 1, "4444", ""},
    {"L4-02", 1178, "Speed Agreement Detection Width", "Hz", {2, 2, 2, 2}, 0, 20, 10, "4444", ""},
    {"N2-02", 1413, "Speed Feedback Detection Control (AFR) Time Consta", "ms", {50, 50, 50, 50}, 0, 2000, 1, "0040", ""},
    {"N2-03", 1414, "Speed Feedback Detection Control (AFR) Time Consta", "ms", {750, 750, 750, 750}, 0, 2000, 1, "0040", ""},
    {"O1-01", 1280, "Drive Mode Unit Monitor Selection", "", {106, 106, 106, 106}, 104, 638, 1, "4444", "R"},
    {"O1-02", 1281, "User Monitor Selection After Power Up", "", {1, 1, 1, 1}, 1, 5, 1, "4444", "R"},
    {"O2-04", 1288, "Drive/kVA Selection", "", {97, 97, 97, 97}, 0, 255, 1, "4444", "H"},
        // clang-format on
    };
    auto d = Built();
    for (const FullRow& r : rows) {
        const ParameterEntry& e = Get(*d, r.code);
        EXPECT_EQ(e.reg, r.reg) << r.code;
        EXPECT_EQ(e.name, r.name) << r.code;
        EXPECT_EQ(e.unit, r.unit) << r.code;
        EXPECT_EQ(e.values, r.defaults) << r.code;
        EXPECT_EQ(e.minimum, r.minimum) << r.code;
        EXPECT_EQ(e.maximum, r.maximum) << r.code;
        EXPECT_EQ(e.step, r.step) << r.code;
        std::string access;
        for (uint8_t level : e.accessLevels) access += static_cast<char>('0' + level);
        EXPECT_EQ(access, r.access) << r.code;
        EXPECT_EQ(Flags(e), r.flags) << r.code;
    }
    // A2-02 to A2-32 are like A2-01, with their own registers.
    const ParameterEntry& a201 = Get(*d, "A2-01");
    for (const std::string& code : Codes({"A2-02..A2-32"})) {
        const ParameterEntry& e = Get(*d, code);
        EXPECT_EQ(e.reg, a201.reg + std::stoi(code.substr(3)) - 1) << code;
        EXPECT_EQ(e.name, a201.name);
        EXPECT_EQ(e.values, a201.values);
        EXPECT_EQ(e.minimum, a201.minimum);
        EXPECT_EQ(e.maximum, a201.maximum);
        EXPECT_EQ(e.step, a201.step);
        EXPECT_EQ(e.accessLevels, a201.accessLevels);
        EXPECT_EQ(Flags(e), Flags(a201));
    }
}

TEST(ParameterRows, ExistencePerControlMethodColumn) {
    auto d = Built();
    std::map<std::string, int> counts;
    for (const ParameterEntry* e : Parameters(*d)) ++counts[Pattern(*e)];
    const std::map<std::string, int> expected = {
        {"1111", 310}, {"1110", 51}, {"0001", 19}, {"0010", 25},
        {"0100", 14},  {"1100", 16}, {"1010", 3},  {"1101", 2},
    };
    EXPECT_EQ(counts, expected);

    struct OnlyIn {
        const char* pattern;
        std::set<std::string> codes;
    };
    const std::vector<OnlyIn> only = {
        {"1000", {}},
        {"0100", Codes({"C4-06", "C5-01..C5-05", "F1-02..F1-04", "F1-08..F1-11", "F1-14"})},
        {"0010", Codes({"B2-08", "B8-02", "B8-03", "C3-05", "C4-03..C4-05", "E2-07..E2-09", "E2-12",
                        "E4-07..E4-09", "E4-12", "L7-01..L7-04", "L7-06", "L7-07", "N2-01..N2-03",
                        "N6-01"})},
        {"0001", Codes({"B2-12", "B2-13", "E5-01..E5-07", "E5-09", "E5-24", "L3-22", "L8-29",
                        "N8-45", "N8-47..N8-49", "N8-51", "N8-55"})},
    };
    for (const auto& o : only) {
        EXPECT_EQ(CodesWhere(*d, [&](const ParameterEntry& e) { return Pattern(e) == o.pattern; }),
                  o.codes)
            << o.pattern;
    }
    // The induction-motor data of motors 1 and 2 does not exist for the PM motor.
    EXPECT_EQ(CodesWhere(*d,
                         [](const ParameterEntry& e) {
                             return e.groupLetter == 'E' && e.groupDigit >= '2' &&
                                    e.groupDigit <= '4' && e.accessLevels[3] != 0;
                         }),
              std::set<std::string>{});
}

TEST(ParameterRows, AccessLevels) {
    auto d = Built();
    const auto levelIn = [&](uint8_t level) {
        return CodesWhere(*d, [&](const ParameterEntry& e) {
            return std::count(e.accessLevels.begin(), e.accessLevels.end(), level) > 0;
        });
    };
    EXPECT_EQ(levelIn(1), Codes({"A1-01"}));
    const auto level3 =
        Codes({"A1-02", "B1-01..B1-03", "C1-01",        "C1-02", "C6-01", "C6-02", "D1-01..D1-04",
               "D1-17", "E1-01",        "E1-04..E1-06", "E1-09", "E1-13", "E2-01", "E2-11",
               "E3-13", "E5-01..E5-07", "E5-09",        "E5-24", "H4-02", "L1-01", "L3-04"});
    EXPECT_EQ(levelIn(3), level3);
    EXPECT_EQ(levelIn(5), Codes({"B2-03", "B3-19", "L3-11"}));
    for (const ParameterEntry* e : Parameters(*d)) {
        const std::string code = e->Code();
        for (int k = 0; k < 4; ++k) {
            const uint8_t level = e->accessLevels[k];
            if (level == 0) continue;
            uint8_t expected = 4;
            if (code == "A1-01") expected = 1;
            if (level3.count(code)) expected = 3;
            // The E1-13 row is 4430: level 3 only in column 3.
            if (code == "E1-13" && k < 2) expected = 4;
            if (k == 3 && (code == "B2-03" || code == "B3-19" || code == "L3-11")) expected = 5;
            EXPECT_EQ(level, expected) << code << " column " << k + 1;
        }
    }
}

TEST(ParameterRows, FlagLists) {
    auto d = Built();
    EXPECT_EQ(CodesWhere(*d, [](const ParameterEntry& e) { return e.changeableDuringRun == 1; }),
              Codes({"A1-01",        "B5-02..B5-08", "B5-34",        "B5-35",        "B8-02",
                     "B8-03",        "C1-01..C1-08", "C3-01",        "C4-01",        "C5-01..C5-04",
                     "D1-01..D1-17", "D4-03..D4-05", "D4-07..D4-09", "D7-01..D7-03", "E4-14",
                     "E4-15",        "H3-03",        "H3-04",        "H3-11",        "H3-12",
                     "H4-02",        "H4-03",        "H6-02..H6-07", "O1-01",        "O1-02"}));
    EXPECT_EQ(CodesWhere(*d, [](const ParameterEntry& e) { return e.displayMode == 1; }),
              Codes({"C6-02", "E1-03", "H1-01..H1-07", "H2-01..H2-03", "H3-02", "H3-10", "H5-01",
                     "O2-04"}));
    EXPECT_EQ(CodesWhere(*d, [](const ParameterEntry& e) { return e.storeAction == 1; }),
              Codes({"A1-06"}));
    const std::vector<std::pair<uint8_t, std::set<std::string>>> editTypes = {
        {4, Codes({"A1-02"})},
        {3, Codes({"A1-03"})},
        {2, Codes({"A2-01..A2-32"})},
        {1, Codes({"H1-01..H1-07", "H2-01..H2-03"})},
    };
    for (const auto& [type, codes] : editTypes) {
        EXPECT_EQ(CodesWhere(*d, [&](const ParameterEntry& e) { return e.editType == type; }),
                  codes)
            << int(type);
    }
    for (const ParameterEntry* e : Parameters(*d)) {
        EXPECT_LE(e->editType, 4);
        EXPECT_TRUE(e->displayMode == 0 || e->displayMode == 1);
        EXPECT_TRUE(e->variants.all() || e->variants.none()) << e->Code();
    }
    EXPECT_EQ(CodesWhere(*d, [](const ParameterEntry& e) { return e.variants.none(); }),
              Codes({"B8-19", "D4-10"}));
    EXPECT_TRUE(d->parameters.Entry(1)->variants.none());
}

TEST(ParameterRows, UnitsComeFromTheListAndTheFrequencyUnit) {
    const std::set<std::string> allowed = {
        "",   "%", "sec.", "sec", "SEC", "Hz",  "kHz", "VAC", "VDC",   "V",         "A",
        "KW", "W", "OHM",  "mH",  "ms",  "min", "C",   "H",   "poles", "mV sec/rad"};
    auto d = Built();
    for (const ParameterEntry* e : Parameters(*d))
        EXPECT_TRUE(allowed.count(e->unit)) << e->Code() << " '" << e->unit << "'";

    // D1-01 to D1-17 take frequencyUnitText; nothing else does.
    d->state.frequencyUnitText = "rpm";
    ReinitialiseDriveData(*d, 2220);
    EXPECT_EQ(CodesWhere(*d, [](const ParameterEntry& e) { return e.unit == "rpm"; }),
              Codes({"D1-01..D1-17"}));
}

TEST(ParameterRows, RangesAndResolution) {
    auto d = Built();
    for (const ParameterEntry* e : Parameters(*d)) {
        EXPECT_LT(e->minimum, e->maximum) << e->Code();
        EXPECT_TRUE(e->step == 1 || e->step == 10 || e->step == 100 || e->step == 1000)
            << e->Code();
        for (int k = 0; k < 4; ++k) {
            if (e->accessLevels[k] == 0) continue;
            EXPECT_GE(e->values[k], e->minimum) << e->Code() << " column " << k + 1;
            EXPECT_LE(e->values[k], e->maximum) << e->Code() << " column " << k + 1;
        }
    }
    struct Range {
        const char* code;
        float minimum, maximum, step;
    };
    for (const Range& r : std::vector<Range>{
             {"A1-01", 0, 9999, 1}, {"E1-01", 155, 255, 1}, {"E2-01", 0.32f, 6.4f, 100}}) {
        const ParameterEntry& e = Get(*d, r.code);
        EXPECT_EQ(e.minimum, r.minimum) << r.code;
        EXPECT_EQ(e.maximum, r.maximum) << r.code;
        EXPECT_EQ(e.step, r.step) << r.code;
    }
}

const std::set<std::string>& TableDrivenCodes() {
    static const std::set<std::string> codes = Codes(
        {"B2-04",        "B3-01", "B3-02",        "B3-06",        "B5-38",        "B5-39",
         "B8-02",        "B8-03", "B8-04",        "C2-01",        "C3-01",        "C3-02",
         "C3-05",        "C4-01", "C4-02",        "C5-01..C5-04", "C6-01..C6-05", "E1-01",
         "E1-03..E1-13", "E2-01", "E2-02",        "E2-03",        "E2-05",        "E2-06",
         "E2-10",        "E2-11", "E3-04..E3-13", "E4-01",        "E4-02",        "E4-03",
         "E4-05",        "E4-06", "E4-10",        "E4-11",        "E4-14",        "E5-01..E5-07",
         "E5-09",        "E5-24", "H1-01",        "H1-02",        "H1-05",        "H1-06",
         "H1-07",        "L1-01", "L2-02..L2-05", "L2-11",        "L3-01",        "L3-02",
         "L3-04",        "L3-06", "L3-17",        "L3-20",        "L3-21",        "L3-24",
         "L8-02",        "L8-07", "L8-09",        "L8-18",        "N1-03",        "O1-10",
         "O1-11",        "O2-04", "O2-06"});
    return codes;
}

TEST(ParameterRows, NinetyEightRowsTakeTheirDefaultsFromTheTable) {
    std::set<std::string> fromTable;
    std::set<int> slots;
    for (const rows::ParameterRow& r : rows::CatalogueRows()) {
        if (!r.defaults.FromTable()) continue;
        fromTable.insert(r.code);
        slots.insert(r.defaults.slot);
    }
    EXPECT_EQ(TableDrivenCodes().size(), 98u);
    EXPECT_EQ(fromTable, TableDrivenCodes());
    EXPECT_EQ(slots.size(), 98u);  // one slot each
    EXPECT_FALSE(rows::PlaceholderRow().defaults.FromTable());

    auto d = Built();
    for (const rows::ParameterRow& r : rows::CatalogueRows()) {
        if (!r.defaults.FromTable()) continue;
        EXPECT_EQ(Get(*d, r.code).values,
                  d->defaults.Columns(static_cast<DefaultSlot>(r.defaults.slot)))
            << r.code;
    }
    // Read at registration: a changed table shows after a rebuild.
    DefaultTable& t = d->defaults;
    for (int k = 0; k < 4; ++k) {
        t.columnDefaults[k][static_cast<int>(DefaultSlot::B2_04)] = 1.25f + k;
        t.columnDefaults[k][static_cast<int>(DefaultSlot::O2_06)] = 1;
    }
    BuildParameterCatalogue(*d, 1);
    EXPECT_EQ(Get(*d, "B2-04").values, (std::array<float, 4>{1.25f, 2.25f, 3.25f, 4.25f}));
    EXPECT_EQ(Get(*d, "O2-06").values, (std::array<float, 4>{1, 1, 1, 1}));
}

TEST(ParameterRows, RangesTakenFromTheRatings) {
    using rows::Rating;
    std::map<std::string, std::set<std::string>> fromRatings;
    for (const rows::ParameterRow& r : rows::CatalogueRows()) {
        if (r.minimum.rating != Rating::None) fromRatings["minimum"].insert(r.code);
        if (r.maximum.rating != Rating::None) fromRatings["maximum"].insert(r.code);
        if (r.step.rating != Rating::None) fromRatings["step"].insert(r.code);
    }
    const auto minimum =
        Codes({"E1-01", "E2-01", "E2-03", "E4-01", "E4-03", "E5-03", "L2-05", "L2-11", "L3-17"});
    auto maximum = minimum;
    for (const auto& code : Codes({"E1-03", "E1-05", "E1-08", "E1-10", "E1-12", "E1-13", "E3-05",
                                   "E3-08", "E3-10", "E3-12"}))
        maximum.insert(code);
    EXPECT_EQ(fromRatings["minimum"], minimum);
    EXPECT_EQ(fromRatings["maximum"], maximum);
    EXPECT_EQ(fromRatings["step"], Codes({"E2-01", "E4-01"}));

    auto d = Built();
    const DefaultTable& t = d->defaults;
    struct Expect {
        std::set<std::string> codes;
        float minimum, maximum;
    };
    for (const Expect& x :
         std::vector<Expect>{{Codes({"E2-01", "E2-03", "E4-01", "E4-03", "E5-03"}), 0.32f, 6.4f},
                             {Codes({"E1-01"}), t.inputVoltageMinimum, t.inputVoltageMaximum},
                             {Codes({"L2-05"}), t.undervoltageMinimum, t.undervoltageMaximum},
                             {Codes({"L2-11", "L3-17"}), t.dcBusMinimum, t.dcBusMaximum}}) {
        for (const auto& code : x.codes) {
            EXPECT_EQ(Get(*d, code).minimum, x.minimum) << code;
            EXPECT_EQ(Get(*d, code).maximum, x.maximum) << code;
        }
    }
    for (const auto& code : Codes({"E1-03", "E1-05", "E1-08", "E1-10", "E1-12", "E1-13", "E3-05",
                                   "E3-08", "E3-10", "E3-12"}))
        EXPECT_EQ(Get(*d, code).maximum, 255) << code;
    EXPECT_EQ(Get(*d, "E2-01").step, t.currentStep);
    EXPECT_EQ(Get(*d, "E4-01").step, t.currentStep);
}

TEST(ParameterRows, NamesAreCutToFiftyCharacters) {
    std::vector<std::string> longNames;
    size_t longest = 0;
    std::string longestCode;
    for (const rows::ParameterRow& r : rows::CatalogueRows()) {
        const std::string name = r.name;
        if (name.size() > 50) longNames.push_back(r.code);
        if (name.size() > longest) longest = name.size(), longestCode = r.code;
    }
    EXPECT_EQ(longNames.size(), 32u);
    EXPECT_EQ(longestCode, "L3-17");
    EXPECT_EQ(longest, 92u);

    auto d = Built();
    const auto all = Parameters(*d);
    const auto raw = rows::CatalogueRows();
    ASSERT_EQ(all.size(), raw.size());
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i]->name, std::string(raw[i].name).substr(0, 50));
        EXPECT_LE(all[i]->unit.size(), 10u);
    }
    // Names kept as the builder passes them.
    struct Name {
        const char* code;
        const char* stored;
    };
    for (const Name& n :
         std::vector<Name>{{"C1-05", "Acceleration Time 3 (Motor 2 Accel Time 1)\""},
                           {"C1-08", "Deceleration Time 4 (Decel Time 2 for Motor 2)\""},
                           {"H2-01", "Terminals MA, MB, and MC Function Selection (relay"},
                           {"O4-11", "U2, U3 Initial Value Selection\""},
                           {"E4-15", "Torque Compensation Gain  Motor 2"},
                           {"L4-07", ""},
                           {"H1-01", "Multi-Function Digital Input Terminal S1 Function "},
                           {"L3-17", "Overvoltage Suppression and Deceleration Stall and"},
                           {"D3-04", "Jump Frequency Widt"},
                           {"E3-04", "(FMAX)"}}) {
        EXPECT_EQ(Get(*d, n.code).name, n.stored) << n.code;
    }
}

TEST(ParameterRows, OfferedByColumnAsDescribed) {
    auto d = Built();
    struct Case {
        int column;
        const char* code;
        bool offered;
    };
    const std::vector<Case> cases = {
        {1, "B8-19", false}, {4, "B8-19", false}, {1, "D4-10", false}, {2, "D4-10", false},
        {1, "B2-03", true},  {2, "B2-03", true},  {3, "B2-03", true},  {4, "B2-03", false},
        {4, "B3-19", false}, {4, "L3-11", false}, {1, "L3-11", true},  {4, "E5-01", true},
        {4, "E5-24", true},  {4, "N8-45", true},  {4, "N8-55", true},  {1, "E5-01", false},
        {4, "E2-01", false}, {4, "E3-13", false}, {3, "E2-01", true},  {2, "C4-06", true},
        {1, "C4-06", false}, {3, "N6-01", true},  {1, "A1-01", true},  {4, "A1-01", true},
    };
    for (const Case& c : cases) {
        d->state.activeColumn = c.column;
        ParameterCode code;
        ASSERT_TRUE(ParseParameterCode(c.code, code));
        EXPECT_EQ(FindParameterValue(*d, code.groupLetter, code.groupDigit, code.number).found,
                  c.offered)
            << c.code << " column " << c.column;
    }
    d->state.activeColumn = 1;
    EXPECT_EQ(FindParameterValue(*d, 'B', '8', 19).value, 0);
    EXPECT_TRUE(StoreParameterValue(*d, 'B', '8', 19, 1));
    EXPECT_TRUE(StoreParameterValue(*d, 'D', '4', 10, 20));
    EXPECT_EQ(Get(*d, "D4-10").values[0], 20);

    // Column 2 gives the column-2 value.
    d->state.activeColumn = 2;
    EXPECT_EQ(FindParameterValue(*d, 'C', '4', 2).value, 20);
    d->state.activeColumn = 4;
    EXPECT_EQ(FindParameterValue(*d, 'C', '4', 2).value, 100);
}

// The index must answer exactly like the scan from entry 1 that it replaces.
TEST(ParameterRows, IndexAnswersLikeTheLinearScan) {
    auto d = Built();
    std::vector<ParameterCode> codes;
    for (int position = 1; position <= d->state.parameterCount; ++position) {
        const ParameterEntry& e = *d->parameters.Entry(position);
        codes.push_back({e.groupLetter, e.groupDigit, e.number});
    }
    codes.push_back({'Z', '1', 1});
    codes.push_back({'C', '1', 99});
    for (int column = 1; column <= 4; ++column) {
        d->state.activeColumn = column;
        for (const ParameterCode& c : codes) {
            const ParameterEntry* first = nullptr;
            const ParameterEntry* firstOffered = nullptr;
            for (int position = 1; position <= d->state.parameterCount; ++position) {
                const ParameterEntry* e = d->parameters.Entry(position);
                if (e->groupLetter != c.groupLetter || e->groupDigit != c.groupDigit ||
                    e->number != c.number)
                    continue;
                if (first == nullptr) first = e;
                if (firstOffered == nullptr && IsOffered(d->state, *e)) firstOffered = e;
            }
            EXPECT_EQ(FindParameterEntry(*d, c.groupLetter, c.groupDigit, c.number), first);
            const FoundValue v = FindParameterValue(*d, c.groupLetter, c.groupDigit, c.number);
            EXPECT_EQ(v.found, firstOffered != nullptr);
            EXPECT_EQ(v.value, firstOffered ? firstOffered->values[column - 1] : 0.0f);
            EXPECT_EQ(FindParameterRegister(*d, c.groupLetter, c.groupDigit, c.number).value,
                      first ? first->reg : 65535);
        }
    }
}

TEST(ParameterRows, InitialisationRebuildsTheDefaults) {
    auto d = Built();
    ParameterEntry* h101 = &const_cast<ParameterEntry&>(Get(*d, "H1-01"));
    EXPECT_EQ(FindParameterValue(*d, 'H', '1', 1).value, 64);
    EXPECT_EQ(d->currentSettingText.substr(0, 3), "40 ");
    StoreParameterValue(*d, 'C', '1', 1, 55);
    d->state.activeColumn = 2;  // activeDefault follows the column active at the rebuild

    struct Step {
        uint16_t code;
        float s1, s2;
        const char* text1;
        const char* text2;
    };
    for (const Step& s : std::vector<Step>{{3330, 15, 15, "0f ", "0f "},
                                           {2220, 64, 65, "40 ", "41 "},
                                           {3330, 15, 15, "0f ", "0f "}}) {
        ReinitialiseDriveData(*d, s.code);
        EXPECT_EQ(d->state.parameterCount, 441);
        EXPECT_EQ(&Get(*d, "H1-01"), h101);  // entries are overwritten, not replaced
        EXPECT_EQ(Get(*d, "H1-01").values, (std::array<float, 4>{s.s1, s.s1, s.s1, s.s1}));
        EXPECT_EQ(Get(*d, "H1-02").values, (std::array<float, 4>{s.s2, s.s2, s.s2, s.s2}));
        EXPECT_EQ(FindParameterValue(*d, 'H', '1', 1).value, s.s1);
        EXPECT_EQ(d->currentSettingText.substr(0, 3), s.text1) << s.code;
        EXPECT_EQ(FindParameterValue(*d, 'H', '1', 2).value, s.s2);
        EXPECT_EQ(d->currentSettingText.substr(0, 3), s.text2) << s.code;
        EXPECT_EQ(Get(*d, "C1-01").values[0], 10);
        EXPECT_EQ(Get(*d, "C4-02").activeDefault, 20);
    }

    // The same through the table and the builder directly.
    d->state.lastInitialisation = 2220;
    ComputeDefaultTable(d->defaults, d->state);
    BuildParameterCatalogue(*d, 1);
    EXPECT_EQ(Get(*d, "H1-01").values[0], 64);
    EXPECT_EQ(Get(*d, "H1-02").values[3], 65);
}

}  // namespace
}  // namespace qd
