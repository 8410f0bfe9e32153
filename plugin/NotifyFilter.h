// Decides whether a notification call after a check acts, from the kind of
// check the host ran and the settings.
#pragma once

// Check-kind bit the host sets when the check started by itself.
constexpr int kAutomaticCheck = 0x10;

// With autoCheck set only automatic checks pass; and the check kind must share
// a bit with the checkType mask (the automatic bit included).
bool PassesNotifyFilter(int checkKind, int checkType, int autoCheck);
