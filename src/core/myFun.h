#pragma once
// The shared functions of the radio data model, in one include.

#include "BitCodec.h"
#include "ChannelCodec.h"
#include "Derivation.h"
#include "FrequencyCodec.h"
#include "Globals.h"
#include "NumberText.h"
#include "TextCodecs.h"
#include "ToneCodec.h"
