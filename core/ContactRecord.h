#pragma once

// One contact of the messenger's contact list.
class ContactRecord {
public:
    virtual ~ContactRecord() = default;
};
