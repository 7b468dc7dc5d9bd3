#pragma once
// The three size sets of a generated form: standard for a form of one column of rows, average for two,
// small for more. Shared by the form patterns and the check before a build.

#include <cstdint>

namespace formlayout {

// What a size set holds, in twips (counts and twips per character aside).
struct SizeSet {
    int16_t formTitleBarHeight, formMenuBarHeight, maxChildrenOnList, maxFormHeight, maxFormWidth;
    int16_t lstvwCtlHeight, lstvwCtlWidth, txtCtlWidthPerChar, horzSpace, vertSpace;
    int16_t txtCtlHeight, txtCtlWidth, cmdCtlHeight, cmdCtlWidth, maxCntxProps, maxDetailProps;
    int16_t optCtlHeight, optCtlWidth, chkCtlWidth, lstbxHeight, rtxtCtlHeight, rtxtCtlWidth, cmbCtlWidth;
};

// Text-box, command-button and option-button heights are 350 in every set; the command button is as
// wide in the average set as in the small one, and the small set's combo box is twice as wide.
inline constexpr SizeSet kStandardSizes{.formTitleBarHeight = 300,
                                        .formMenuBarHeight = 300,
                                        .maxChildrenOnList = 3,
                                        .maxFormHeight = 8000,
                                        .maxFormWidth = 10000,
                                        .lstvwCtlHeight = 3000,
                                        .lstvwCtlWidth = 6000,
                                        .txtCtlWidthPerChar = 120,
                                        .horzSpace = 300,
                                        .vertSpace = 300,
                                        .txtCtlHeight = 350,
                                        .txtCtlWidth = 3000,
                                        .cmdCtlHeight = 350,
                                        .cmdCtlWidth = 1095,
                                        .maxCntxProps = 3,
                                        .maxDetailProps = 15,
                                        .optCtlHeight = 350,
                                        .optCtlWidth = 300,
                                        .chkCtlWidth = 200,
                                        .lstbxHeight = 1000,
                                        .rtxtCtlHeight = 1000,
                                        .rtxtCtlWidth = 2000,
                                        .cmbCtlWidth = 200};
inline constexpr SizeSet kAverageSizes{.formTitleBarHeight = 300,
                                       .formMenuBarHeight = 300,
                                       .maxChildrenOnList = 3,
                                       .maxFormHeight = 8000,
                                       .maxFormWidth = 10000,
                                       .lstvwCtlHeight = 1500,
                                       .lstvwCtlWidth = 4000,
                                       .txtCtlWidthPerChar = 90,
                                       .horzSpace = 150,
                                       .vertSpace = 150,
                                       .txtCtlHeight = 350,
                                       .txtCtlWidth = 2000,
                                       .cmdCtlHeight = 350,
                                       .cmdCtlWidth = 850,
                                       .maxCntxProps = 3,
                                       .maxDetailProps = 15,
                                       .optCtlHeight = 350,
                                       .optCtlWidth = 300,
                                       .chkCtlWidth = 200,
                                       .lstbxHeight = 500,
                                       .rtxtCtlHeight = 1000,
                                       .rtxtCtlWidth = 2000,
                                       .cmbCtlWidth = 200};
inline constexpr SizeSet kSmallSizes{.formTitleBarHeight = 300,
                                     .formMenuBarHeight = 300,
                                     .maxChildrenOnList = 3,
                                     .maxFormHeight = 8000,
                                     .maxFormWidth = 10000,
                                     .lstvwCtlHeight = 1000,
                                     .lstvwCtlWidth = 3000,
                                     .txtCtlWidthPerChar = 70,
                                     .horzSpace = 100,
                                     .vertSpace = 100,
                                     .txtCtlHeight = 350,
                                     .txtCtlWidth = 1000,
                                     .cmdCtlHeight = 350,
                                     .cmdCtlWidth = 850,
                                     .maxCntxProps = 3,
                                     .maxDetailProps = 15,
                                     .optCtlHeight = 350,
                                     .optCtlWidth = 300,
                                     .chkCtlWidth = 200,
                                     .lstbxHeight = 350,
                                     .rtxtCtlHeight = 500,
                                     .rtxtCtlWidth = 1000,
                                     .cmbCtlWidth = 400};

}  // namespace formlayout
