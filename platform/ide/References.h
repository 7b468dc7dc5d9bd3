#pragma once
// A project's references as its project file lists them: type libraries ("*\G{guid}#major.minor#lcid#
// path#description") and projects of the same group ("*\A" and the path of their project file).
//
// Members used by the add-in: AddFromGuid(guid, major, minor) for a library of KnownLibraries (32813 when
// the project refers to it already, 5 for a library this IDE does not know), AddFromProject, Contains,
// Count, enumeration. A reference read from a file is kept as its text and saved unchanged.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vbide {

constexpr int32_t kReferenceConflict = 32813;

class Reference {
  public:
    // As a project file's "Reference=" line holds it.
    explicit Reference(std::string text);

    const std::string& Text() const { return mText; }
    // The library's GUID, or the referred project file's path, in one letter case: two references to
    // the same thing have the same identity.
    const std::string& Identity() const { return mIdentity; }

  private:
    std::string mText;
    std::string mIdentity;
};

class References {
  public:
    int32_t Count() const { return static_cast<int32_t>(mItems.size()); }
    auto begin() const { return mItems.begin(); }
    auto end() const { return mItems.end(); }

    void AddFromGuid(std::string_view guid, int16_t major, int16_t minor);
    // A project of the same group, by the path at which saving the group puts its project file: the
    // folder named after the project beside this project's folder.
    void AddFromProject(std::string_view projectName);
    // A library by GUID, or a project of the group by name.
    bool ContainsLibrary(std::string_view guid) const;
    bool ContainsProject(std::string_view projectName) const;

    // The file reader's way in: a reference as read, kept even when this IDE does not know it.
    void AddAsRead(std::string text);

  private:
    void Add(Reference reference);
    bool Contains(const Reference& reference) const;

    std::vector<Reference> mItems;
};

}  // namespace vbide
