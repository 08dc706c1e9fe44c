#pragma once

#include "settings/StartUp.h"

#include <QObject>

namespace zindra {

// Applies the application's hint settings to every widget's tooltip: how
// long a hint stays, or no hints at all.
class HintPolicy : public QObject {
  public:
    explicit HintPolicy(const HintSettings& settings, QObject* parent = nullptr)
        : QObject(parent), settings_(settings) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const HintSettings& settings_;
};

} // namespace zindra
