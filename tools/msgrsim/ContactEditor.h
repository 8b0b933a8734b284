#pragma once

#include <string>
#include <vector>

// The front end's edits of a contact file, line by line, so that comments,
// blank lines and the order of the contacts stay as they were. An edit that
// cannot be made returns false with the reason and leaves the lines alone.
class ContactEditor {
public:
    explicit ContactEditor(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

    const std::vector<std::string>& Lines() const { return m_lines; }

    // Updates the contact's line in place, or adds one at the end. The
    // friendly name is literal text, written escaped; without one, an
    // existing contact keeps the one it has.
    bool Set(const std::string& strSigninName, const std::string& strStatus,
             const std::string& strFriendlyName, std::string& strError);
    bool Remove(const std::string& strSigninName, std::string& strError);
    // Removes every contact line, keeping directives and comments.
    void Clear();

    // Adds "!<words>" when the words start with a directive's verb, else
    // "!fail <words>"; a directive already in the file is not added twice.
    bool AddDirective(const std::vector<std::string>& words, std::string& strError);
    // Removes every directive.
    void Heal();

    // The reasons the whole text would not be served, empty when it would.
    std::string Check(const std::string& strPath) const;

private:
    std::vector<std::string> m_lines;
};
