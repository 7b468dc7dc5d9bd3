#pragma once
// The layout object of a form being built: sizes and limits in three size sets (standard, average, small),
// the running position (`top`, `left`) and extent of the form, and the ProgIDs of the controls placed.
// Each form pattern creates its own; the layout procedures of module Common read and move it.

#include <cstdint>
#include <string>

#include "formlayout/FormRoom.h"
#include "formlayout/SizeSets.h"

namespace patternkit {

class form_ctl_defaults {
  public:
    // The standard set, `top` = `left` = 300 and an empty form.
    form_ctl_defaults();

    // Each replaces every sized member, those written since included; the position, the form extent and
    // `max_label_width` stay.
    void SetStandardSize();
    void SetAverageSize();
    void SetSmallSize();
    void SetSizes(const formlayout::SizeSet& sizes);
    // The sized members as they stand, those written since the set was loaded included.
    const formlayout::SizeSet& sizes() const { return mSizes; }

    int16_t form_title_bar_height() const { return mSizes.formTitleBarHeight; }
    int16_t form_menu_bar_height() const { return mSizes.formMenuBarHeight; }
    int16_t max_children_on_list() const { return mSizes.maxChildrenOnList; }
    int16_t lstvw_ctl_height() const { return mSizes.lstvwCtlHeight; }
    int16_t lstvw_ctl_width() const { return mSizes.lstvwCtlWidth; }
    int16_t txt_ctl_width_per_char() const { return mSizes.txtCtlWidthPerChar; }
    int16_t horz_space() const { return mSizes.horzSpace; }
    int16_t txt_ctl_height() const { return mSizes.txtCtlHeight; }
    int16_t txt_ctl_width() const { return mSizes.txtCtlWidth; }
    int16_t cmd_ctl_height() const { return mSizes.cmdCtlHeight; }
    int16_t cmd_ctl_width() const { return mSizes.cmdCtlWidth; }
    int16_t max_cntx_props() const { return mSizes.maxCntxProps; }
    int16_t opt_ctl_height() const { return mSizes.optCtlHeight; }
    int16_t opt_ctl_width() const { return mSizes.optCtlWidth; }
    int16_t chk_ctl_width() const { return mSizes.chkCtlWidth; }
    int16_t lstbx_height() const { return mSizes.lstbxHeight; }
    int16_t rtxt_ctl_height() const { return mSizes.rtxtCtlHeight; }
    int16_t rtxt_ctl_width() const { return mSizes.rtxtCtlWidth; }
    int16_t cmb_ctl_width() const { return mSizes.cmbCtlWidth; }

    // Written unchecked; a size set puts back its own value.
    int16_t max_form_height() const { return mSizes.maxFormHeight; }
    void Setmax_form_height(int16_t value) { mSizes.maxFormHeight = value; }
    int16_t max_form_width() const { return mSizes.maxFormWidth; }
    void Setmax_form_width(int16_t value) { mSizes.maxFormWidth = value; }
    int16_t vert_space() const { return mSizes.vertSpace; }
    void Setvert_space(int16_t value) { mSizes.vertSpace = value; }
    int16_t max_detail_props() const { return mSizes.maxDetailProps; }
    void Setmax_detail_props(int16_t value) { mSizes.maxDetailProps = value; }

    // The running layout state of the form.
    int16_t top() const { return mTop; }
    void Settop(int16_t value) { mTop = value; }
    int16_t left() const { return mLeft; }
    void Setleft(int16_t value) { mLeft = value; }
    int16_t actual_form_height() const { return mActualFormHeight; }
    void Setactual_form_height(int16_t value) { mActualFormHeight = value; }
    int16_t actual_form_width() const { return mActualFormWidth; }
    void Setactual_form_width(int16_t value) { mActualFormWidth = value; }
    int16_t max_label_width() const { return mMaxLabelWidth; }
    void Setmax_label_width(int16_t value) { mMaxLabelWidth = value; }

    // What is left right of `left` and below `top`; 6 (Overflow) when a sum leaves the 16-bit range.
    int16_t max_available_width() const;
    int16_t max_available_height() const;

    std::string TextBoxProgID() const { return "TextBox"; }
    std::string LabelProgID() const { return "Label"; }
    std::string ComboBoxProgID() const { return "ComboBox"; }
    std::string CheckBoxProgID() const { return "CheckBox"; }
    std::string OptionButtonProgID() const { return "OptionButton"; }
    std::string CommandButtonProgID() const { return "CommandButton"; }
    std::string FrameProgID() const { return "Frame"; }
    std::string ListBoxProgID() const { return "ListBox"; }
    std::string ListViewProgID() const { return "ComctlLib.ListView"; }
    std::string RichTextBoxProgID() const { return "RichTextLib.RichTextBox"; }

  private:
    formlayout::SizeSet mSizes;
    int16_t mTop = formlayout::kFormMargin;
    int16_t mLeft = formlayout::kFormMargin;
    int16_t mActualFormHeight = 0;
    int16_t mActualFormWidth = 0;
    int16_t mMaxLabelWidth = 0;
};

}  // namespace patternkit
