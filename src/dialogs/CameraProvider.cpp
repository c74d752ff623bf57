#include "dialogs/CameraProvider.h"

CameraProvider::~CameraProvider() = default;
