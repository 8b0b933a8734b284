#include "core/ContactStatus.h"

const char StatusNames[STATUS_COUNT][19] = {
    "Busy", "Invisible", "Offline",      "ONLINE",       "Be right back",
    "Idle", "Away",      "On the phone", "Out to lunch", "Unknown",
};

ContactStatus MapMessengerStatus(long nCode)
{
    switch (nCode) {
    case 0x0A: return STATUS_BUSY;
    case 0x01: return STATUS_OFFLINE;
    case 0x02: return STATUS_ONLINE;
    case 0x0E: return STATUS_BE_RIGHT_BACK;
    case 0x12: return STATUS_IDLE;
    case 0x22: return STATUS_AWAY;
    case 0x32: return STATUS_ON_THE_PHONE;
    case 0x42: return STATUS_OUT_TO_LUNCH;
    default: return STATUS_UNKNOWN;
    }
}
