#include "CameraSession.h"

// Defined here so the class's virtual table has one home.
CameraSession::~CameraSession() = default;
