// The artwork loader: PNG pictures stored among a binary's resources under numeric ids.
#pragma once

#include <windows.h>

#include <cstdint>

#include "LayoutTables.h"
#include "OwnModule.h"
#include "Picture.h"

// The decoded picture, or no picture when the resource is missing, empty or cannot be loaded.
// Raises ERuvoError when the resource's bytes are not a PNG image.
TPicture LoadPNGResource(HMODULE module, int32_t id, int32_t type = kArtworkResourceType);

// Loads artwork from OwnModule().
TArtworkLoader OwnArtwork();

// Artwork from OwnModule() for a screen: a picture that cannot be decoded shows as nothing, like a
// missing one.
TPicture ArtworkOrNone(int32_t id);
