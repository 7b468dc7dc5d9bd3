#pragma once
// A form's designer window: the form drawn with its controls at their positions.

#include <QWidget>

#include <memory>

#include "platform/ide/FormDesigner.h"

namespace host {

class FormView : public QWidget {
    Q_OBJECT
  public:
    explicit FormView(std::weak_ptr<vbide::FormDesigner> designer, QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::weak_ptr<vbide::FormDesigner> mDesigner;
};

}  // namespace host
