#pragma once
// The form template files that the form patterns import from the tool's form template folder: the
// patterns name them, and the add-in checks that a folder holds them before a build needs one.

namespace typelib {

inline constexpr const char* kListFormTemplate = "frmStd_List.frm";
inline constexpr const char* kSearchFormTemplate = "frmStd_Search.frm";
inline constexpr const char* kDetailFormTemplate = "frmSTD_Detail.frm";
inline constexpr const char* kLookupFormTemplate = "frmStd_Lookup.frm";
inline constexpr const char* kStartupFormTemplate = "frmStd_StartUp.frm";
inline constexpr const char* kLogonFormTemplate = "frmStd_Logon.frm";

// In the order a build imports them.
inline constexpr const char* kFormTemplates[] = {kListFormTemplate,    kSearchFormTemplate,
                                                 kDetailFormTemplate,  kLookupFormTemplate,
                                                 kStartupFormTemplate, kLogonFormTemplate};

}  // namespace typelib
