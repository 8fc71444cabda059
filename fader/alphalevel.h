#pragma once

// The layered-window alpha (0 to 255) of an opacity given in percent:
// percent / 100 * 255 in double precision, rounded to the nearest integer, ties to even.
int alphaLevel(int percent);
