#pragma once

#include "layout_table.h"

#include <QDir>
#include <QFont>
#include <QIcon>

class QWidget;

// Makes the widget of one control of the table, placed, coloured and captioned, inside `parent`.
// File lists read `folder`.
QWidget* createControl(const ControlRow& row, const QDir& folder, QWidget* parent);

// A font at which every caption and range text fits its control.
QFont windowFont();

// The program's icon: bidding cards.
QIcon programIcon();
