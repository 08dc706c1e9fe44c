#pragma once

#include "ui/MainWindowModel.h"

#include <QWidget>

class QLabel;

#include <array>
#include <vector>

namespace zindra {

class QtPlatform;

// The main window. Every control of the model is a widget named after it;
// the window only mirrors the model and forwards what the user does into it.
class TForm1 : public QWidget {
    Q_OBJECT

  public:
    TForm1(MainWindowModel& model, QtPlatform& platform, QWidget* parent = nullptr);
    ~TForm1() override;

    // Makes every widget show what the model holds.
    void Sync();

    QWidget* WidgetOf(ControlId id) const { return widgets_[IndexOf(id)]; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateWidgets();
    void Arrange();
    void KeepChoicesInPlace();
    void ConnectEvents();
    void CentreOnScreen();

    void SyncControl(ControlId id);
    void SyncSample();
    void SyncFocus();
    void SyncPosition();

    // Runs one user event in the model, then mirrors the result. Events that
    // arrive while the model is busy (focus coming back from a modal window)
    // or while the view mirrors it are the view's own echo and are dropped.
    template <class Event> void Forward(Event&& event);
    std::optional<ControlId> ControlOf(QWidget* widget) const;

    MainWindowModel& model_;
    QtPlatform& platform_;
    std::array<QWidget*, ControlCount> widgets_{};
    std::vector<StyledRun> shownRuns_;
    QLabel* sizeAdvice_ = nullptr; // read-only: how big the made bar code prints
    bool busy_ = false;
};

} // namespace zindra
