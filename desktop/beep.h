#pragma once
// The program's speaker: lessons beep on impacts and on wrong answers, and the lesson
// timing assumes a beep takes exactly as long as it sounds.

namespace desktop {

// Plays a sine tone of hz for ms milliseconds on ALSA's "default" device and returns once
// it has sounded: never before ms have passed since the call, and only a few milliseconds
// after. hz is clamped to 37..32767 and ms to 0..10000. Without a usable sound device it
// simply waits out the duration, silently. UI thread only; not reentrant.
void beep(int hz, int ms);

}  // namespace desktop
