#include "app/UpdateWindows.h"

#include <algorithm>

#include "app/HelpWindows.h"
#include "app/SimForm.h"

namespace qd {

// ---------------------------------------------------------------- proxy

void TProxyForm::SetText(EditField& field, const std::string& text) {
    std::string t = text;
    if (&field == &ProxyPortNumber)
        t.erase(std::remove_if(t.begin(), t.end(), [](char c) { return !PortKeyAccepted(c); }),
                t.end());
    if (t.size() > field.maxLength) t.resize(field.maxLength);
    field.text = t;
}

int TProxyForm::PortValue() const {
    // Digits only and at most five of them, so this cannot overflow.
    int value = 0;
    for (const char c : ProxyPortNumber.text) {
        if (!PortKeyAccepted(c)) break;
        value = value * 10 + (c - '0');
        if (value > kMaxProxyPort) return kMaxProxyPort;
    }
    return value;
}

void TProxyForm::ProxyPortNumberExit() {
    ProxyPortNumber.text = std::to_string(PortValue());
}

void TProxyForm::Load_Proxy_settings(TSimForm& form) {
    UseProxy.checked = form.REGIST.ReadBool("PROXY", "USE", false);
    std::string text;
    form.REGIST.ReadString("PROXY", "ADDR", text, "");
    SetText(ProxyAddress, text);
    SetText(ProxyPortNumber,
            std::to_string(form.REGIST.ReadInteger("PROXY", "PORT", kDefaultProxyPort)));
    form.REGIST.ReadString("PROXY", "UN", text, "");
    SetText(ProxyUsername, text);
    form.REGIST.ReadString("PROXY", "PW", text, "");
    SetText(ProxyPassword, text);
    Transfer_Settings(form);
}

void TProxyForm::Save_Proxy_settings(TSimForm& form) {
    form.REGIST.WriteBool("PROXY", "USE", UseProxy.checked);
    form.REGIST.WriteString("PROXY", "ADDR", ProxyAddress.text);
    form.REGIST.WriteInteger("PROXY", "PORT", PortValue());
    form.REGIST.WriteString("PROXY", "UN", ProxyUsername.text);
    form.REGIST.WriteString("PROXY", "PW", ProxyPassword.text);
    Transfer_Settings(form);
}

void TProxyForm::Transfer_Settings(TSimForm& form) {
    ProxySettings p;
    if (UseProxy.checked) {
        p.useProxy = true;
        p.host = ProxyAddress.text;
        p.port = PortValue();
        p.userName = ProxyUsername.text;
        p.password = ProxyPassword.text;
    } else {
        p.useSystemSettings = true;
        p.port = kDefaultProxyPort;
    }
    form.platform.update.SetProxy(p);
}

void TProxyForm::CtrlOKClick(TSimForm& form) {
    // Accept by its accelerator leaves the port field without its leave
    // handler; the field gets the value that is stored.
    ProxyPortNumberExit();
    Save_Proxy_settings(form);
}

// ---------------------------------------------------------- program setup

void TPSetup::FormCreate(TSimForm& form) {
    form.showSimulatorInformation = form.REGIST.ReadBool("PRG", "L30", true);
    form.updateCheckEnabled = form.REGIST.ReadBool("PRG", "L2", false);
    form.alternateTerminalBoard = form.REGIST.ReadBool("PRG", "T01", false);
}

void TPSetup::FormShow(TSimForm& form) {
    L3.checked = form.alternateTerminalBoard;
    Read_Setup(form);
}

void TPSetup::Read_Setup(TSimForm& form) {
    L1.checked = form.REGIST.ReadBool("PRG", "L30", true);
    L2.checked = form.REGIST.ReadBool("PRG", "L2", true);
    L3.checked = form.REGIST.ReadBool("PRG", "T01", false);
}

void TPSetup::CtrlOKClick(TSimForm& form) {
    form.REGIST.WriteBool("PRG", "L30", L1.checked);
    form.REGIST.WriteBool("PRG", "L2", L2.checked);
    form.REGIST.WriteBool("PRG", "T01", L3.checked);
    form.showSimulatorInformation = form.REGIST.ReadBool("PRG", "L30", true);
    form.updateCheckEnabled = form.REGIST.ReadBool("PRG", "L2", false);
    form.alternateTerminalBoard = form.REGIST.ReadBool("PRG", "T01", false);
    TProxyForm& proxy = form.updateWindows.proxy;
    proxy.Load_Proxy_settings(form);
    proxy.Save_Proxy_settings(form);
}

void TPSetup::HelpClick(TSimForm& form) {
    GetHelp(form, kProgramSetupTopic);
}

void TPSetup::URLClick(TSimForm& form) {
    form.platform.windows.ShowModal("TProxyForm");
}

// ------------------------------------------------------- first-run question

void TAutoUpdateSelection::FormShow(TSimForm& form) {
    title = kMainCaption;
    form.updateCheckEnabled = false;
}

void TAutoUpdateSelection::Select(bool yes) {
    R1.checked = yes;
    R2.checked = !yes;
}

void TAutoUpdateSelection::URLClick(TSimForm& form) {
    form.platform.windows.ShowModal("TProxyForm");
}

void TAutoUpdateSelection::CloseClick(TSimForm& form) {
    form.updateCheckEnabled = R1.checked;
    form.REGIST.WriteBool("PRG", "L2", form.updateCheckEnabled);
    closed = true;
}

}  // namespace qd
