// Screens of the declaration file are added by their own area files.
