#pragma once
// The tool-bar pictures of the commands, drawn on a 32 x 32 canvas at run time so they stay
// sharp at any scale; Qt derives the greyed picture of a disabled command from the same icon.
class QPainter;

void toolPictureWheel(QPainter& p);
void toolPicturePositions(QPainter& p);
void toolPictureSigns(QPainter& p);
void toolPictureAspects(QPainter& p);
void toolPictureCombined(QPainter& p);
void toolPicturePerson(QPainter& p);
void toolPictureNew(QPainter& p);
void toolPictureOpen(QPainter& p);
void toolPictureSave(QPainter& p);
void toolPicturePrint(QPainter& p);
void toolPictureShifter(QPainter& p);
void toolPictureCollation(QPainter& p);
void toolPictureReturn(QPainter& p);
void toolPictureProgressions(QPainter& p);
void toolPictureProgressionShifter(QPainter& p);
