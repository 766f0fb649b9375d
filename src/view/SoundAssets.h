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

// Loads the four sounds and sets each to its own current volume, so that
// the first game event that plays one does not wait for decoding.
void Preload();

// Drops every loaded sound, so the next calls try their files again. For
// tests that change the resources folder.
void Forget();

}  // namespace SoundAssets
