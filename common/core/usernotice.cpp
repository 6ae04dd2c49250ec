#include "core/usernotice.h"

UserNotice::~UserNotice() = default;
