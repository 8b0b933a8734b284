#pragma once

// A contact's status as an index into StatusNames.
enum ContactStatus : int {
    STATUS_BUSY = 0,
    STATUS_INVISIBLE = 1,
    STATUS_OFFLINE = 2,
    STATUS_ONLINE = 3,
    STATUS_BE_RIGHT_BACK = 4,
    STATUS_IDLE = 5,
    STATUS_AWAY = 6,
    STATUS_ON_THE_PHONE = 7,
    STATUS_OUT_TO_LUNCH = 8,
    STATUS_UNKNOWN = 9,
};

inline constexpr int STATUS_COUNT = 10;

// The display name of every status, in index order.
extern const char StatusNames[STATUS_COUNT][19];

// The status a messenger status code stands for; unknown codes give STATUS_UNKNOWN.
ContactStatus MapMessengerStatus(long nCode);
