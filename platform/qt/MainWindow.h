// The main window: draws TSimForm's controls, writes user input back to them
// and calls its handlers through TSimForm::Run.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "app/SimForm.h"
#include "platform/qt/Pump.h"
#include "platform/qt/Views.h"

class QTabWidget;
class QPushButton;

namespace qd::qt {

class MainWindow : public QMainWindow {
public:
    explicit MainWindow(TSimForm& form);
    ~MainWindow() override;

    // Redraws the views whose control changed; returns how many did.
    int SyncViews();
    RealTimePump& Pump() { return *pump_; }
    QTabWidget* Tabs() const { return tabs_; }
    TSimForm& Form() { return form_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    template <class V, class... A>
    V* Add(QWidget* parent, QRect geometry, A&&... args);
    QWidget* Caption(QWidget* parent, QRect geometry, const QString& text, int px = 12,
                     bool bold = false, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    void Handler(void (TSimForm::*h)());
    void BuildMenus();
    void BuildKeypad(QWidget* parent);
    void BuildPowerAndMotor(QWidget* parent);
    void BuildTerminalsTab(QWidget* page);
    void BuildFaultsTab(QWidget* page);
    void BuildHelpTab(QWidget* page);
    void FormResize();

    TSimForm& form_;
    std::vector<SyncView*> views_;
    std::unique_ptr<RealTimePump> pump_;
    QTabWidget* tabs_ = nullptr;
    // What FormResize sizes, and the captions it takes the sizes from.
    std::vector<KnobView*> scaled_;
    std::vector<QWidget*> sliderLabels_;
    ReadoutView* rpm_ = nullptr;
    QWidget* photoCaption_ = nullptr;
    QWidget* torqueCaption_ = nullptr;
};

}  // namespace qd::qt
