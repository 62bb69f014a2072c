// The whole control toolkit in one include, for the screens that place every kind of control.
#pragma once

#include "Bevel.h"
#include "Control.h"
#include "Image.h"
#include "Label.h"
#include "NativeControl.h"
#include "ProgressBar.h"
