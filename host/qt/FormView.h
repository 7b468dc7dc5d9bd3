#pragma once
// A form's designer window: the form drawn with its controls at their positions.

#include <QFont>
#include <QWidget>

#include <memory>

#include "host/FormLayout.h"
#include "platform/ide/FormDesigner.h"

namespace host {

// The font the forms are drawn with: VB's default form font, 8-point MS Sans Serif at 15 twips a pixel.
QFont FormFont();
// The width a control's caption has where the form is drawn; a wider caption is cut, as VB cuts it.
int CaptionRoom(const PlacedControl& control);

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
