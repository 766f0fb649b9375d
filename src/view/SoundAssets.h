#pragma once

namespace platform {
class Sound;
}

// The game's four sounds, each loaded once on first use and shared for the
// run; nullptr when its file cannot be loaded.
namespace SoundAssets {

platform::Sound* FlipPiece();
platform::Sound* CorrectSound();
platform::Sound* FlipBoard();
platform::Sound* GameOver();

// Plays a sound unless the player muted the game (read at this moment);
// a volume of 0 to 100 is set first, a negative one leaves it as it is.
void PlayUnlessMuted(platform::Sound* sound, int volume = -1);

}  // namespace SoundAssets
