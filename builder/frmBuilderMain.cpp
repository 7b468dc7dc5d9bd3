#include "builder/frmBuilderMain.h"

namespace builder {

void frmBuilderMain::Form_Load() {
    if (mLoaded)
        return;
    mToolProperties = std::make_shared<core::qelToolProperties>();
    mStatusSink = std::make_unique<core::ScopedStatusSink>(*this);
    mLoaded = true;
}

void frmBuilderMain::Show() {
    Form_Load();
    ui::CurrentInteraction().ShowModeless(*this);
}

void frmBuilderMain::Hide() {
    if (mLoaded)
        ui::CurrentInteraction().CloseModeless(*this);
}

void frmBuilderMain::Unload() {
    if (!mLoaded)
        return;
    ui::CurrentInteraction().CloseModeless(*this);
    mStatusSink.reset();
    mToolProperties.reset();
    mStatusText.clear();
    mLoaded = false;
}

void frmBuilderMain::ShowStatusText(const std::string& text) {
    mStatusText = text;
    if (mView)
        mView->Refresh();
}

}  // namespace builder
