#include "plugin/NotifyFilter.h"

bool PassesNotifyFilter(int checkKind, int checkType, int autoCheck) {
  if (autoCheck == 1 && (checkKind & kAutomaticCheck) == 0) return false;
  return (checkKind & checkType) != 0;
}
